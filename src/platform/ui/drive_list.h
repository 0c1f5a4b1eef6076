#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/ui/control.h"

namespace quillbay::ui {

// The system's drives as a drop-down list; each entry is the drive letter and colon, followed by
// the volume label in brackets when the drive has one ("c: [system]").
class DriveList : public Control {
 public:
  // Starts at the drive of the program's current directory.
  DriveList(Window& owner, FileSystem& files, std::string name, int index = kNoIndex);

  const std::vector<std::string>& Items() const { return items_; }
  int ListIndex() const { return listIndex_; }
  // The selected entry's text, which begins with the drive letter and colon.
  std::string Drive() const;
  // Selects the drive named by the first two characters ("d:"); a change fires onChange,
  // whether the user or the program made it.
  void SetDrive(const std::string& drive);

  std::function<void()> onChange;
  void Select(int position);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace quillbay::ui
