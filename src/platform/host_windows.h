#pragma once

#include <cstdint>
#include <string>

namespace quillbay {

// A top-level window of any process; 0 is no window.
using NativeWindowHandle = std::uintptr_t;

// The system's top-level windows, for switching the screen-saver host's dialog on and off.
class HostWindows {
 public:
  virtual ~HostWindows() = default;
  // The first top-level window of the class in the system's window order, whatever its title.
  virtual NativeWindowHandle FindWindowByClass(const std::string& className) = 0;
  virtual void EnableWindow(NativeWindowHandle window, bool enable) = 0;
};

}  // namespace quillbay
