#pragma once

#include <string>

#include "platform/host_windows.h"

namespace quillbay::win32 {

class Win32HostWindows : public HostWindows {
 public:
  NativeWindowHandle FindWindowByClass(const std::string& className) override;
  void EnableWindow(NativeWindowHandle window, bool enable) override;
};

}  // namespace quillbay::win32
