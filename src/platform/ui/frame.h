#pragma once

#include "platform/ui/control.h"

namespace quillbay::ui {

// A captioned group box; controls placed in it are positioned relative to its top-left corner.
class Frame : public Control {
 public:
  Frame(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::Frame, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Notify(Change::Caption);
  }

 private:
  std::string caption_;
};

}  // namespace quillbay::ui
