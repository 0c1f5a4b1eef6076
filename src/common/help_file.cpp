#include "common/help_file.h"

#include "platform/ui/path_text.h"

namespace quillbay {

std::string HelpFilePath(ProgramInfo& program, FileSystem& files) {
  std::string path = ui::JoinPath(program.ExecutableFolder(), kHelpFileName);
  if (!files.FileExists(path)) return kHelpFileName;
  return path;
}

}  // namespace quillbay
