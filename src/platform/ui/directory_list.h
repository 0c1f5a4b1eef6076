#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/ui/control.h"

namespace quillbay::ui {

// The open directory with its parents above it and its subdirectories below it. The user opens
// an entry by double-clicking it.
class DirectoryList : public Control {
 public:
  enum class EntryKind { Parent, Open, Child };
  struct Entry {
    std::string text;  // a drive root shows as "c:\", any other directory by its own name
    std::string path;
    EntryKind kind = EntryKind::Child;
  };

  // Starts at the program's current directory.
  DirectoryList(Window& owner, FileSystem& files, std::string name, int index = kNoIndex);

  const std::string& Path() const { return path_; }
  const std::vector<Entry>& Entries() const { return entries_; }
  // Opens a directory, or the current directory of a drive given as "d:". On success the
  // entries are rebuilt and a new path fires onChange; on failure nothing changes and the
  // file error code (68 for a drive that is not ready) is returned.
  int SetPath(const std::string& path);

  std::function<void()> onChange;
  // The user double-clicks an entry.
  void Open(int position);

 private:
  FileSystem& files_;
  std::string path_;
  std::vector<Entry> entries_;
};

}  // namespace quillbay::ui
