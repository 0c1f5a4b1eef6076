#include "platform/win32/win32_program_info.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: a long path
  }
}

}  // namespace

std::string Win32ProgramInfo::ExecutableFolder() {
  std::wstring folder = ExecutablePath();
  const auto separator = folder.rfind(L'\\');
  if (separator == std::wstring::npos) return {};
  // A drive root keeps its "\": "c:\", not "c:".
  const bool driveRoot = separator == 2 && folder[1] == L':';
  folder.resize(driveRoot ? separator + 1 : separator);
  return Narrow(folder);
}

std::string Win32ProgramInfo::CommandLine() {
  return Narrow(GetCommandLineW());
}

}  // namespace quillbay::win32
