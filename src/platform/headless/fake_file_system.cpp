#include "platform/headless/fake_file_system.h"

#include <cctype>

#include "platform/ui/path_text.h"

namespace quillbay::headless {

namespace {

std::string Fold(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (text.size() > 3 && text.back() == '\\') text.pop_back();
  return text;
}

bool Matches(const char* name, const char* pattern) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') return Matches(name, pattern + 1) || (*name && Matches(name + 1, pattern));
  if (*name == '\0') return false;
  const bool same = *pattern == '?' || std::tolower(static_cast<unsigned char>(*name)) ==
                                           std::tolower(static_cast<unsigned char>(*pattern));
  return same && Matches(name + 1, pattern + 1);
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  return Matches(name.c_str(), pattern.c_str());
}

FakeFileSystem::FakeFileSystem() { AddDrive("c:"); }

void FakeFileSystem::AddDrive(const std::string& drive, const std::string& label, int error) {
  drives_.push_back({ui::DrivePart(drive), label});
  driveErrors_[ui::DrivePart(drive)] = error;
  AddDirectory(ui::DrivePart(drive) + "\\");
}

void FakeFileSystem::SetDriveError(const std::string& drive, int error) {
  driveErrors_[ui::DrivePart(drive)] = error;
}

void FakeFileSystem::AddDirectory(const std::string& path) {
  for (std::string at = path; !at.empty(); at = ui::ParentPath(at)) {
    names_.emplace(Fold(at), at);
    directories_.insert(Fold(at));
  }
}

void FakeFileSystem::AddFile(const std::string& path) {
  AddDirectory(ui::ParentPath(path));
  names_.emplace(Fold(path), path);
  files_.insert(Fold(path));
}

void FakeFileSystem::SetDirectoryError(const std::string& path, int error) {
  directoryErrors_[Fold(path)] = error;
}

bool FakeFileSystem::FileExists(const std::string& path) { return files_.contains(Fold(path)); }

std::vector<DriveInfo> FakeFileSystem::Drives() { return drives_; }

DirectoryResult FakeFileSystem::DriveCurrentDirectory(const std::string& drive) {
  const std::string name = ui::DrivePart(drive);
  const auto error = driveErrors_.find(name);
  if (error == driveErrors_.end()) return {kDeviceUnavailable, {}};
  if (error->second != kFileOk) return {error->second, {}};
  if (ui::SameDrive(current_, name)) return {kFileOk, current_};
  return {kFileOk, name + "\\"};
}

DirectoryListing FakeFileSystem::Subdirectories(const std::string& path) {
  const auto driveError = driveErrors_.find(ui::DrivePart(path));
  if (driveError != driveErrors_.end() && driveError->second != kFileOk) {
    return {driveError->second, {}};
  }
  const auto error = directoryErrors_.find(Fold(path));
  if (error != directoryErrors_.end()) return {error->second, {}};
  if (!directories_.contains(Fold(path))) return {kPathNotFound, {}};
  DirectoryListing listing;
  for (const std::string& directory : directories_) {
    if (directory != Fold(path) && Fold(ui::ParentPath(directory)) == Fold(path)) {
      listing.names.push_back(ui::LastPathPart(names_[directory]));
    }
  }
  return listing;
}

DirectoryListing FakeFileSystem::Files(const std::string& path, const std::string& pattern) {
  DirectoryListing listing = Subdirectories(path);
  if (listing.error != kFileOk) return listing;
  listing.names.clear();
  for (const std::string& file : files_) {
    const std::string name = ui::LastPathPart(names_[file]);
    if (Fold(ui::ParentPath(file)) == Fold(path) && MatchesPattern(name, pattern)) {
      listing.names.push_back(name);
    }
  }
  return listing;
}

}  // namespace quillbay::headless
