#pragma once

#include "platform/ui/color.h"
#include "platform/ui/control.h"

namespace quillbay::ui {

// A straight line drawn by its window, from one point to another (twips, client area).
class Line : public Control {
 public:
  Line(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::Line, std::move(name), index) {}

  Point From() const { return from_; }
  Point To() const { return to_; }
  Color LineColor() const { return color_; }
  void SetLine(Point from, Point to, Color color) {
    from_ = from;
    to_ = to;
    color_ = color;
    Notify(Change::Bounds);
  }

 private:
  Point from_;
  Point to_;
  Color color_ = kBlack;
};

}  // namespace quillbay::ui
