#include "platform/ui/h_scroll_bar.h"

#include <algorithm>

namespace quillbay::ui {

void HScrollBar::SetRange(int min, int max, int smallChange, int largeChange) {
  min_ = min;
  max_ = max;
  smallChange_ = smallChange;
  largeChange_ = largeChange;
  value_ = std::clamp(value_, min_, max_);
  Notify(Change::Value);
}

void HScrollBar::SetValue(int value) {
  value_ = std::clamp(value, min_, max_);
  Notify(Change::Value);
}

void HScrollBar::Scroll(ScrollAction action, int thumbPosition) {
  if (!AcceptsInput()) return;
  int target = value_;
  switch (action) {
    case ScrollAction::LineLeft: target -= smallChange_; break;
    case ScrollAction::LineRight: target += smallChange_; break;
    case ScrollAction::PageLeft: target -= largeChange_; break;
    case ScrollAction::PageRight: target += largeChange_; break;
    case ScrollAction::ThumbTrack:
    case ScrollAction::ThumbPosition: target = thumbPosition; break;
  }
  target = std::clamp(target, min_, max_);
  if (target == value_) return;
  SetValue(target);
  Fire(onChange);
}

}  // namespace quillbay::ui
