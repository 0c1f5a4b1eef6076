#pragma once

#include <string>

namespace quillbay::ui {

inline constexpr int kShiftJisCharset = 128;

// An empty face means the window system's default dialog font.
struct Font {
  std::string face;
  double points = 9;
  int weight = 400;
  int charset = 1;  // the system default character set

  bool operator==(const Font&) const = default;
};

}  // namespace quillbay::ui
