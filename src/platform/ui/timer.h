#pragma once

#include "platform/ui/control.h"

namespace quillbay::ui {

// A window timer. It fires while it is enabled and its interval (milliseconds) is above 0.
class Timer : public Control {
 public:
  Timer(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::Timer, std::move(name), index) {}

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    Notify(Change::Timer);
  }
  bool Running() const { return Enabled() && interval_ > 0; }

  std::function<void()> onTick;
  void Tick() {
    if (Enabled()) Fire(onTick);
  }

 private:
  int interval_ = 0;
};

}  // namespace quillbay::ui
