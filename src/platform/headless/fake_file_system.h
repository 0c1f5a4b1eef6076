#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace quillbay::headless {

// A file tree in memory. Paths are compared with letter case ignored, as on Windows.
class FakeFileSystem : public FileSystem {
 public:
  FakeFileSystem();

  // Adds a drive with its root directory; an unready drive fails with `error`.
  void AddDrive(const std::string& drive, const std::string& label = "", int error = kFileOk);
  void SetDriveError(const std::string& drive, int error);
  // Adds a directory and all its parents.
  void AddDirectory(const std::string& path);
  // Adds a file and the directories that hold it.
  void AddFile(const std::string& path);
  // Listing the directory fails with `error`.
  void SetDirectoryError(const std::string& path, int error);
  void SetCurrentDirectory(const std::string& path) { current_ = path; }

  bool FileExists(const std::string& path) override;
  std::vector<DriveInfo> Drives() override;
  std::string CurrentDirectory() override { return current_; }
  DirectoryResult DriveCurrentDirectory(const std::string& drive) override;
  DirectoryListing Subdirectories(const std::string& path) override;
  DirectoryListing Files(const std::string& path, const std::string& pattern) override;

 private:
  std::vector<DriveInfo> drives_;
  std::map<std::string, int> driveErrors_;
  std::set<std::string> directories_;  // folded keys
  std::map<std::string, std::string> names_;  // folded key -> path as written
  std::set<std::string> files_;
  std::map<std::string, int> directoryErrors_;
  std::string current_ = "c:\\";
};

// Whether a file name matches a pattern of "*" and "?", letter case ignored.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace quillbay::headless
