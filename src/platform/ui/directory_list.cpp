#include "platform/ui/directory_list.h"

#include <algorithm>

#include "platform/ui/list_box.h"
#include "platform/ui/path_text.h"

namespace quillbay::ui {

DirectoryList::DirectoryList(Window& owner, FileSystem& files, std::string name, int index)
    : Control(owner, ControlKind::DirectoryList, std::move(name), index), files_(files) {
  const int error = SetPath(files_.CurrentDirectory());
  (void)error;  // an unreadable start directory leaves the list empty
}

int DirectoryList::SetPath(const std::string& requested) {
  std::string path = requested;
  if (path.size() == 2 && path[1] == ':') {
    DirectoryResult drive = files_.DriveCurrentDirectory(path);
    if (drive.error != kFileOk) return drive.error;
    path = drive.path;
  }
  DirectoryListing children = files_.Subdirectories(path);
  if (children.error != kFileOk) return children.error;

  std::vector<Entry> parents;
  for (std::string parent = ParentPath(path); !parent.empty(); parent = ParentPath(parent)) {
    parents.push_back({LastPathPart(parent), parent, EntryKind::Parent});
  }
  std::reverse(parents.begin(), parents.end());
  std::sort(children.names.begin(), children.names.end(), ListTextLess);

  entries_ = std::move(parents);
  entries_.push_back({LastPathPart(path), path, EntryKind::Open});
  for (std::string& child : children.names) {
    entries_.push_back({child, JoinPath(path, child), EntryKind::Child});
  }
  const bool changed = path != path_;
  path_ = std::move(path);
  Notify(Change::Items);
  if (changed) Fire(onChange);
  return kFileOk;
}

void DirectoryList::Open(int position) {
  if (!AcceptsInput() || position < 0 || position >= static_cast<int>(entries_.size())) return;
  const int error = SetPath(entries_[position].path);
  (void)error;  // a directory that cannot be read stays closed; the list keeps what it shows
}

}  // namespace quillbay::ui
