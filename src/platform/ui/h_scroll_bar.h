#pragma once

#include "platform/ui/control.h"

namespace quillbay::ui {

enum class ScrollAction {
  LineLeft,    // arrow: small change
  LineRight,
  PageLeft,    // click in the track: large change
  PageRight,
  ThumbTrack,  // each position while the thumb is dragged
  ThumbPosition,
};

class HScrollBar : public Control {
 public:
  HScrollBar(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::HScrollBar, std::move(name), index) {}

  int Min() const { return min_; }
  int Max() const { return max_; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }
  void SetRange(int min, int max, int smallChange, int largeChange);
  int Value() const { return value_; }
  // Setting the value from code is not a user action: no change event. Clamped to the range.
  void SetValue(int value);

  // Fired on every value change the user makes, including each position of a drag.
  std::function<void()> onChange;
  // `thumbPosition` is used by the thumb actions only.
  void Scroll(ScrollAction action, int thumbPosition = 0);

 private:
  int min_ = 0;
  int max_ = 32767;
  int smallChange_ = 1;
  int largeChange_ = 1;
  int value_ = 0;
};

}  // namespace quillbay::ui
