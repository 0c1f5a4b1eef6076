#include "platform/win32/win32_font_catalog.h"

#include <windows.h>
#include <winspool.h>

#include <cwchar>
#include <optional>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

std::optional<std::wstring> DefaultPrinterName() {
  DWORD length = 0;
  GetDefaultPrinterW(nullptr, &length);
  if (length == 0) return std::nullopt;
  std::wstring name(length, L'\0');
  if (!GetDefaultPrinterW(name.data(), &length)) return std::nullopt;
  name.resize(name.find(L'\0'));
  return name;
}

// A device context to list fonts on: the default printer's, else the screen's.
class FontDeviceContext {
 public:
  FontDeviceContext() {
    if (const auto printer = DefaultPrinterName()) {
      dc_ = CreateDCW(L"WINSPOOL", printer->c_str(), nullptr, nullptr);
    }
    if (!dc_) {
      dc_ = GetDC(nullptr);
      screen_ = true;
    }
  }
  ~FontDeviceContext() {
    if (!dc_) return;
    if (screen_) {
      ReleaseDC(nullptr, dc_);
    } else {
      DeleteDC(dc_);
    }
  }
  FontDeviceContext(const FontDeviceContext&) = delete;
  FontDeviceContext& operator=(const FontDeviceContext&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  bool screen_ = false;
};

// The system reports a family once for each character set it covers, one after the other;
// the list gets one entry per family.
int CALLBACK AddFamilyName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
  auto& list = *reinterpret_cast<std::vector<std::string>*>(names);
  std::string face = Narrow({font->lfFaceName, wcsnlen(font->lfFaceName, LF_FACESIZE)});
  if (list.empty() || list.back() != face) list.push_back(std::move(face));
  return 1;
}

}  // namespace

std::vector<std::string> Win32FontCatalog::PrinterFontNames() {
  std::vector<std::string> names;
  const FontDeviceContext dc;
  if (!dc.Get()) return names;
  LOGFONTW everyFamily{};
  everyFamily.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc.Get(), &everyFamily, AddFamilyName, reinterpret_cast<LPARAM>(&names), 0);
  return names;
}

}  // namespace quillbay::win32
