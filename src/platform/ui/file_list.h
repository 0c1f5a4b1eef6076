#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/ui/list_box.h"

namespace quillbay::ui {

// The files of one directory that match a pattern, sorted, single selection.
class FileList : public ListBox {
 public:
  // Starts at the program's current directory.
  FileList(Window& owner, FileSystem& files, std::string name, int index = kNoIndex);

  const std::string& Path() const { return path_; }
  const std::string& Pattern() const { return pattern_; }
  // Lists the matching files of `path`; a directory that cannot be read lists nothing.
  void SetPath(const std::string& path);
  void SetPattern(const std::string& pattern);
  // The selected file's name without directory; empty when none is selected.
  std::string FileName() const { return SelectedText(); }

 private:
  void Refill();

  FileSystem& files_;
  std::string path_;
  std::string pattern_ = "*.*";
};

}  // namespace quillbay::ui
