#pragma once

#include <string>
#include <variant>

#include "platform/ui/color.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace quillbay::ui {

// A text drawn on a window with its top-left corner at `at`, letters only (no background).
struct TextDrawing {
  std::string text;
  Point at;
  Font font;
  Color color = kBlack;
};

// The outline of a full circle.
struct CircleDrawing {
  Point centre;
  double radius = 0;
  Color color = kBlack;
};

using Drawing = std::variant<TextDrawing, CircleDrawing>;

}  // namespace quillbay::ui
