#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/program_info.h"

namespace quillbay {

inline constexpr const char* kHelpFileName = "QUILLBAY.HLP";

// The help file next to the program, or the bare file name when there is none there, so that
// the help system looks in its own usual folders.
std::string HelpFilePath(ProgramInfo& program, FileSystem& files);

}  // namespace quillbay
