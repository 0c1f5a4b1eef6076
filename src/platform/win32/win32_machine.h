#pragma once

#include <memory>

#include "platform/system.h"

namespace quillbay::win32 {

// The real machine: every service backed by Win32, assembled once for the program's run.
class Win32Machine {
 public:
  Win32Machine();
  ~Win32Machine();
  Win32Machine(const Win32Machine&) = delete;
  Win32Machine& operator=(const Win32Machine&) = delete;

  quillbay::System& System();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace quillbay::win32
