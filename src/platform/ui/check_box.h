#pragma once

#include "platform/ui/control.h"

namespace quillbay::ui {

class CheckBox : public Control {
 public:
  static constexpr int kUnchecked = 0;
  static constexpr int kChecked = 1;

  CheckBox(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::CheckBox, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Notify(Change::Caption);
  }
  int Value() const { return value_; }
  bool Checked() const { return value_ == kChecked; }
  // Setting the state from code is not a user action: no click event.
  void SetValue(int value) {
    value_ = value == kChecked ? kChecked : kUnchecked;
    Notify(Change::Value);
  }

  std::function<void()> onClick;
  // The user toggles the box by mouse or keyboard.
  void Toggle() {
    if (!AcceptsInput()) return;
    SetValue(Checked() ? kUnchecked : kChecked);
    Fire(onClick);
  }

 private:
  std::string caption_;
  int value_ = kUnchecked;
};

}  // namespace quillbay::ui
