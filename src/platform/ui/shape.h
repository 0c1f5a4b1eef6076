#pragma once

#include "platform/ui/color.h"
#include "platform/ui/control.h"

namespace quillbay::ui {

// A rectangle with a solid fill and a thin outline, drawn by its window.
class Shape : public Control {
 public:
  Shape(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::Shape, std::move(name), index) {}

  Color FillColor() const { return fillColor_; }
  void SetFillColor(Color color) {
    fillColor_ = color;
    Notify(Change::FillColor);
  }

 private:
  Color fillColor_ = kBlack;
};

}  // namespace quillbay::ui
