#pragma once

#include <string>

namespace quillbay {

class ProgramInfo {
 public:
  virtual ~ProgramInfo() = default;
  // The folder of the program's own executable, as the system gives it (no trailing "\"
  // except at a drive root).
  virtual std::string ExecutableFolder() = 0;
  // The whole command line, program path included, as UTF-8.
  virtual std::string CommandLine() = 0;
};

}  // namespace quillbay
