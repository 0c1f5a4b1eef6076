#include "platform/ui/drive_list.h"

#include "platform/ui/path_text.h"

namespace quillbay::ui {

DriveList::DriveList(Window& owner, FileSystem& files, std::string name, int index)
    : Control(owner, ControlKind::DriveList, std::move(name), index) {
  for (const DriveInfo& drive : files.Drives()) {
    items_.push_back(drive.label.empty() ? drive.name : drive.name + " [" + drive.label + "]");
  }
  const std::string current = DrivePart(files.CurrentDirectory());
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (SameDrive(items_[i], current)) listIndex_ = i;
  }
}

std::string DriveList::Drive() const { return listIndex_ < 0 ? std::string() : items_[listIndex_]; }

void DriveList::SetDrive(const std::string& drive) {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (!SameDrive(items_[i], drive)) continue;
    if (i == listIndex_) return;
    listIndex_ = i;
    Notify(Change::Selection);
    Fire(onChange);
    return;
  }
}

void DriveList::Select(int position) {
  if (!AcceptsInput() || position < 0 || position >= static_cast<int>(items_.size())) return;
  SetDrive(items_[position]);
}

}  // namespace quillbay::ui
