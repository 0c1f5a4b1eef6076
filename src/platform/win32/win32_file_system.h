#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace quillbay::win32 {

// Drives, directories and files as the drive, directory and file lists show them. Hidden and
// system entries are left out of the lists, as the system's own file dialogs do by default.
// Removable, optical and network drives are listed without asking for their volume label, which
// could wait for a medium or a server.
class Win32FileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  std::vector<DriveInfo> Drives() override;
  std::string CurrentDirectory() override;
  DirectoryResult DriveCurrentDirectory(const std::string& drive) override;
  DirectoryListing Subdirectories(const std::string& path) override;
  DirectoryListing Files(const std::string& path, const std::string& pattern) override;
};

}  // namespace quillbay::win32
