#include "common/palette.h"

#include <array>

namespace quillbay {

namespace {

constexpr std::array<ui::Color, 16> kPalette{
    ui::Rgb(0, 0, 0),       ui::Rgb(0, 0, 128),   ui::Rgb(0, 128, 0),   ui::Rgb(0, 128, 128),
    ui::Rgb(128, 0, 0),     ui::Rgb(128, 0, 128), ui::Rgb(128, 128, 0), ui::Rgb(192, 192, 192),
    ui::Rgb(128, 128, 128), ui::Rgb(0, 0, 255),   ui::Rgb(0, 255, 0),   ui::Rgb(0, 255, 255),
    ui::Rgb(255, 0, 0),     ui::Rgb(255, 0, 255), ui::Rgb(255, 255, 0), ui::Rgb(255, 255, 255),
};

}  // namespace

ui::Color PaletteColor(int index) {
  if (index < 0 || index >= static_cast<int>(kPalette.size())) return ui::kBlack;
  return kPalette[static_cast<std::size_t>(index)];
}

}  // namespace quillbay
