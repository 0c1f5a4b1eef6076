#pragma once

#include "platform/ui/control.h"

namespace quillbay::ui {

class TextBox : public Control {
 public:
  TextBox(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::TextBox, std::move(name), index) {}

  const std::string& Text() const { return text_; }
  void SetText(std::string text) {
    text_ = std::move(text);
    Notify(Change::Text);
  }

  std::function<void()> onChange;
  // The user edits the text; the backend reports the whole new text.
  void Type(std::string text) {
    if (!AcceptsInput()) return;
    text_ = std::move(text);
    Fire(onChange);
  }

 private:
  std::string text_;
};

}  // namespace quillbay::ui
