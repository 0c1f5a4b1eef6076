#pragma once

#include "platform/ui/control.h"

namespace quillbay::ui {

// A picture box; the only picture this program shows is its own icon, at the icon's own size.
class Image : public Control {
 public:
  Image(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::Image, std::move(name), index) {}

  bool ShowsProgramIcon() const { return showsProgramIcon_; }
  void ShowProgramIcon() {
    showsProgramIcon_ = true;
    Notify(Change::Picture);
  }

 private:
  bool showsProgramIcon_ = false;
};

}  // namespace quillbay::ui
