#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <cwchar>

#include "platform/ui/path_text.h"
#include "platform/win32/file_error_code.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

// Keeps the system from asking the user to insert a disk while a drive is looked at: an empty
// drive is reported to the caller instead.
class NoCriticalErrorBoxes {
 public:
  NoCriticalErrorBoxes() {
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_);
  }
  ~NoCriticalErrorBoxes() { SetThreadErrorMode(previous_, nullptr); }
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  DWORD previous_ = 0;
};

enum class EntryKind { Directory, File };

bool IsListed(const WIN32_FIND_DATAW& entry, EntryKind kind) {
  const std::wstring_view name(entry.cFileName, wcsnlen(entry.cFileName, MAX_PATH));
  if (name == L"." || name == L"..") return false;
  if (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return false;
  const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return directory == (kind == EntryKind::Directory);
}

DirectoryListing List(const std::string& path, const std::string& pattern, EntryKind kind) {
  const NoCriticalErrorBoxes quiet;
  const std::wstring query = Widen(ui::JoinPath(path, pattern));
  WIN32_FIND_DATAW entry{};
  const FindHandle find(FindFirstFileExW(
      query.c_str(), FindExInfoBasic, &entry,
      kind == EntryKind::Directory ? FindExSearchLimitToDirectories : FindExSearchNameMatch,
      nullptr, FIND_FIRST_EX_LARGE_FETCH));
  DirectoryListing listing;
  if (!find) {
    const DWORD error = GetLastError();
    // A directory without a matching entry is an empty list.
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES) {
      listing.error = FileErrorCodeFromWin32(error);
    }
    return listing;
  }
  do {
    if (IsListed(entry, kind)) {
      listing.names.push_back(Narrow({entry.cFileName, wcsnlen(entry.cFileName, MAX_PATH)}));
    }
  } while (FindNextFileW(find.Get(), &entry));
  return listing;
}

// Text from a function that reports the size it needs when the buffer is too small.
template <class Fill>
std::wstring GrowingText(Fill fill) {
  std::wstring text(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = fill(static_cast<DWORD>(text.size()), text.data());
    if (length == 0) return {};
    if (length < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(length);
  }
}

std::string DriveName(wchar_t letter) {
  if (letter >= L'A' && letter <= L'Z') letter = static_cast<wchar_t>(letter - L'A' + L'a');
  return Narrow(std::wstring{letter, L':'});
}

std::string VolumeLabel(const std::wstring& root) {
  const UINT type = GetDriveTypeW(root.c_str());
  if (type != DRIVE_FIXED && type != DRIVE_RAMDISK) return {};
  wchar_t label[MAX_PATH + 1] = {};
  if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr,
                             0)) {
    return {};
  }
  return Narrow(label);
}

// The lists show a directory without a closing "\", except a drive root ("c:\").
std::wstring WithoutClosingSeparator(std::wstring path) {
  if (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  const NoCriticalErrorBoxes quiet;
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<DriveInfo> Win32FileSystem::Drives() {
  const NoCriticalErrorBoxes quiet;
  const std::wstring roots = GrowingText(
      [](DWORD size, wchar_t* buffer) { return GetLogicalDriveStringsW(size, buffer); });
  std::vector<DriveInfo> drives;
  // "C:\", NUL, "D:\", NUL, ...
  for (std::size_t at = 0; at < roots.size();) {
    const std::wstring root(roots.c_str() + at);
    if (root.empty()) break;
    at += root.size() + 1;
    drives.push_back({DriveName(root[0]), VolumeLabel(root)});
  }
  return drives;
}

std::string Win32FileSystem::CurrentDirectory() {
  return Narrow(
      GrowingText([](DWORD size, wchar_t* buffer) { return GetCurrentDirectoryW(size, buffer); }));
}

DirectoryResult Win32FileSystem::DriveCurrentDirectory(const std::string& drive) {
  const std::string name = ui::DrivePart(drive);
  if (name.empty()) return {kDeviceUnavailable, {}};
  const NoCriticalErrorBoxes quiet;
  const std::wstring root = Widen(name) + L"\\";
  if (GetDriveTypeW(root.c_str()) == DRIVE_NO_ROOT_DIR) return {kDeviceUnavailable, {}};
  if (!GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0)) {
    return {FileErrorCodeFromWin32(GetLastError()), {}};
  }
  // "d:" alone names the directory the process last used on that drive.
  const std::wstring drivePath = Widen(name);
  const std::wstring current =
      WithoutClosingSeparator(GrowingText([&](DWORD size, wchar_t* buffer) {
        return GetFullPathNameW(drivePath.c_str(), size, buffer, nullptr);
      }));
  const DWORD attributes = GetFileAttributesW(current.c_str());
  if (current.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {kFileOk, Narrow(root)};  // that directory is gone: start at the root
  }
  return {kFileOk, Narrow(current)};
}

DirectoryListing Win32FileSystem::Subdirectories(const std::string& path) {
  return List(path, "*", EntryKind::Directory);
}

DirectoryListing Win32FileSystem::Files(const std::string& path, const std::string& pattern) {
  return List(path, pattern, EntryKind::File);
}

}  // namespace quillbay::win32
