#pragma once

#include "platform/ui/control.h"

namespace quillbay::ui {

class CommandButton : public Control {
 public:
  CommandButton(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::CommandButton, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Notify(Change::Caption);
  }

  std::function<void()> onClick;
  // A press by mouse or keyboard.
  void Click() {
    if (AcceptsInput()) Fire(onClick);
  }

 private:
  std::string caption_;
};

}  // namespace quillbay::ui
