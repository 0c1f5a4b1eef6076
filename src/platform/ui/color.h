#pragma once

#include <cstdint>

namespace quillbay::ui {

// A colour value as the system lays it out: red + 256 × green + 65536 × blue (0x00BBGGRR).
using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}
constexpr int RedOf(Color color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int BlueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;

}  // namespace quillbay::ui
