#include "platform/ui/list_box.h"

#include <algorithm>

namespace quillbay::ui {

namespace {

unsigned char FoldCase(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

}  // namespace

bool ListTextLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return FoldCase(static_cast<unsigned char>(x)) < FoldCase(static_cast<unsigned char>(y));
      });
}

void ListBox::AddItem(std::string item) {
  const auto at = sorted_ ? std::upper_bound(items_.begin(), items_.end(), item, ListTextLess)
                          : items_.end();
  items_.insert(at, std::move(item));
  listIndex_ = kNoSelection;
  Notify(Change::Items);
}

void ListBox::SetItems(std::vector<std::string> items) {
  if (sorted_) std::stable_sort(items.begin(), items.end(), ListTextLess);
  items_ = std::move(items);
  listIndex_ = kNoSelection;
  Notify(Change::Items);
}

void ListBox::SetListIndex(int position) {
  listIndex_ =
      position >= 0 && position < static_cast<int>(items_.size()) ? position : kNoSelection;
  Notify(Change::Selection);
}

std::string ListBox::SelectedText() const {
  return listIndex_ == kNoSelection ? std::string() : items_[listIndex_];
}

void ListBox::Select(int position) {
  if (!AcceptsInput()) return;
  SetListIndex(position);
  Fire(onClick);
}

void ListBox::DoubleClick(int position) {
  if (!AcceptsInput()) return;
  SetListIndex(position);
  Fire(onDoubleClick);
}

}  // namespace quillbay::ui
