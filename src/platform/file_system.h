#pragma once

#include <string>
#include <vector>

namespace quillbay {

// Error codes of file-system failures, as the drive, directory and file lists report them.
enum FileErrorCode : int {
  kFileOk = 0,
  kDeviceUnavailable = 68,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
};

struct DriveInfo {
  std::string name;   // drive letter and colon, lower case: "c:"
  std::string label;  // volume label, may be empty
};

struct DirectoryListing {
  int error = kFileOk;
  std::vector<std::string> names;  // plain names, no directory part
};

struct DirectoryResult {
  int error = kFileOk;
  std::string path;
};

// Paths are UTF-8 with "\" separators; a drive root ends in "\" ("c:\").
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual std::vector<DriveInfo> Drives() = 0;
  virtual std::string CurrentDirectory() = 0;
  // The current directory of a drive ("c:"), or the error that makes the drive unusable.
  virtual DirectoryResult DriveCurrentDirectory(const std::string& drive) = 0;
  virtual DirectoryListing Subdirectories(const std::string& path) = 0;
  // Files of `path` matching `pattern` (for example "*.wav"), letter case ignored.
  virtual DirectoryListing Files(const std::string& path, const std::string& pattern) = 0;
};

}  // namespace quillbay
