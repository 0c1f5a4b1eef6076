#include "platform/win32/win32_host_windows.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

NativeWindowHandle Win32HostWindows::FindWindowByClass(const std::string& className) {
  return reinterpret_cast<NativeWindowHandle>(FindWindowW(Widen(className).c_str(), nullptr));
}

void Win32HostWindows::EnableWindow(NativeWindowHandle window, bool enable) {
  ::EnableWindow(reinterpret_cast<HWND>(window), enable ? TRUE : FALSE);
}

}  // namespace quillbay::win32
