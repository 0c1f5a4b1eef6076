#pragma once

#include <string>

#include "platform/program_info.h"

namespace quillbay::win32 {

class Win32ProgramInfo : public ProgramInfo {
 public:
  std::string ExecutableFolder() override;
  std::string CommandLine() override;
};

}  // namespace quillbay::win32
