#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/drop_down_list.h"

namespace quillbay::ui {

// A single-selection list. A sorted list keeps its entries in ascending text order, letter case
// ignored, whatever order they were added in.
class ListBox : public Control {
 public:
  ListBox(Window& owner, std::string name, int index = kNoIndex)
      : ListBox(owner, ControlKind::ListBox, std::move(name), index) {}

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted) { sorted_ = sorted; }
  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(std::string item);
  void SetItems(std::vector<std::string> items);
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int position);
  // The selected entry's text, empty when none is selected.
  std::string SelectedText() const;

  std::function<void()> onClick;
  std::function<void()> onDoubleClick;
  void Select(int position);
  void DoubleClick(int position);

 protected:
  ListBox(Window& owner, ControlKind kind, std::string name, int index)
      : Control(owner, kind, std::move(name), index) {}

 private:
  std::vector<std::string> items_;
  int listIndex_ = kNoSelection;
  bool sorted_ = false;
};

// Ascending order of the list, letter case ignored.
bool ListTextLess(const std::string& a, const std::string& b);

}  // namespace quillbay::ui
