#include "platform/win32/win32_system_clock.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

WORD ToWord(int field) {
  return field < 0 || field > 0xFFFF ? 0 : static_cast<WORD>(field);
}

}  // namespace

LocalDateTime Win32SystemClock::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

std::string Win32SystemClock::ShortDateText(const LocalDateTime& date) {
  SYSTEMTIME time{};
  time.wYear = ToWord(date.year);
  time.wMonth = ToWord(date.month);
  time.wDay = ToWord(date.day);
  const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                     nullptr, 0, nullptr);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text.data(), length,
                      nullptr) <= 0) {
    return {};
  }
  text.resize(static_cast<std::size_t>(length - 1));  // the count includes the closing NUL
  return Narrow(text);
}

}  // namespace quillbay::win32
