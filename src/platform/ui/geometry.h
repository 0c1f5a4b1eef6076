#pragma once

namespace quillbay::ui {

// Positions and sizes of windows and controls are in twips (1/1440 inch; 15 twips per pixel
// at 96 dots per inch), kept as the fractions the layout computes.
struct Point {
  double x = 0;
  double y = 0;
};

struct Size {
  double width = 0;
  double height = 0;
};

struct Rect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
};

}  // namespace quillbay::ui
