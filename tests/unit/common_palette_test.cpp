#include <gtest/gtest.h>

#include <climits>

#include "common/palette.h"

namespace quillbay {
namespace {

TEST(PaletteColorTest, GivesTheSixteenColoursAndBlackOutsideTheRange) {
  const ui::Color expected[16] = {
      ui::Rgb(0, 0, 0),       ui::Rgb(0, 0, 128),   ui::Rgb(0, 128, 0),   ui::Rgb(0, 128, 128),
      ui::Rgb(128, 0, 0),     ui::Rgb(128, 0, 128), ui::Rgb(128, 128, 0), ui::Rgb(192, 192, 192),
      ui::Rgb(128, 128, 128), ui::Rgb(0, 0, 255),   ui::Rgb(0, 255, 0),   ui::Rgb(0, 255, 255),
      ui::Rgb(255, 0, 0),     ui::Rgb(255, 0, 255), ui::Rgb(255, 255, 0), ui::Rgb(255, 255, 255),
  };
  for (int index = 0; index < 16; ++index) {
    EXPECT_EQ(PaletteColor(index), expected[index]) << "index " << index;
  }
  EXPECT_EQ(PaletteColor(4), 0x000080u);  // red sits in the low byte
  for (int outside : {-1, 16, 255, INT_MIN, INT_MAX}) {
    EXPECT_EQ(PaletteColor(outside), ui::kBlack) << "index " << outside;
  }
}

}  // namespace
}  // namespace quillbay
