#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace quillbay::ui {

inline constexpr int kNoSelection = -1;

// A drop-down list without free text.
class DropDownList : public Control {
 public:
  DropDownList(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::DropDownList, std::move(name), index) {}

  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(std::string item) {
    items_.push_back(std::move(item));
    Notify(Change::Items);
  }
  int ListIndex() const { return listIndex_; }
  // A position outside the items selects nothing.
  void SetListIndex(int position) {
    listIndex_ = position >= 0 && position < static_cast<int>(items_.size()) ? position
                                                                               : kNoSelection;
    Notify(Change::Selection);
  }

  std::function<void()> onClick;
  void Select(int position) {
    if (!AcceptsInput()) return;
    SetListIndex(position);
    Fire(onClick);
  }

 private:
  std::vector<std::string> items_;
  int listIndex_ = kNoSelection;
};

}  // namespace quillbay::ui
