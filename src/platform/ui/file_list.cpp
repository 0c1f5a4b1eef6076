#include "platform/ui/file_list.h"

namespace quillbay::ui {

FileList::FileList(Window& owner, FileSystem& files, std::string name, int index)
    : ListBox(owner, ControlKind::FileList, std::move(name), index),
      files_(files),
      path_(files.CurrentDirectory()) {
  SetSorted(true);
  Refill();
}

void FileList::SetPath(const std::string& path) {
  path_ = path;
  Refill();
}

void FileList::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  Refill();
}

void FileList::Refill() {
  DirectoryListing listing = files_.Files(path_, pattern_);
  SetItems(listing.error == kFileOk ? std::move(listing.names) : std::vector<std::string>{});
}

}  // namespace quillbay::ui
