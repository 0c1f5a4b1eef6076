#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "clock_test_support.h"
#include "common/palette.h"
#include "common/rounding.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using TickSchedulerTest = ClockTest;

// When the time signal plays, the clock text of this tick is already written and the labels
// have not yet moved.
TEST_F(TickSchedulerTest, ClockTextComesBeforeTheSignalAndMovementAfterIt) {
  Preset(keys::AramTime, "1");
  Preset(keys::Move, "1");
  machine.clock.SetTime(7, 29, 59);
  Start();
  const double topBefore = Label(0).Bounds().top;
  std::string captionAtPlay;
  double topAtPlay = 0;
  machine.sound.onPlay = [&](const headless::SoundPlay&) {
    captionAtPlay = Label(0).Caption();
    topAtPlay = Label(0).Bounds().top;
  };
  machine.clock.SetTime(7, 30, 0);
  Tick();
  EXPECT_EQ(captionAtPlay, "7:30");
  EXPECT_EQ(topAtPlay, topBefore);
  EXPECT_EQ(Label(0).Bounds().top, topBefore + 150);
}

// The random draws of one tick come in the order of its steps: message, circle, flash, shuffle.
TEST_F(TickSchedulerTest, RandomDrawsFollowTheOrderOfTheSteps) {
  Preset(keys::WriteUserName, "1");
  Preset(keys::WriteScreenMaru, "1");
  Preset(keys::AramTime, "2");
  Preset(keys::TimeChangeWindowColor, "1");
  Preset(keys::VisibleChangeTime, "0");
  Preset(keys::TimeFormat, "1");
  machine.clock.SetTime(10, 0, 0);
  std::vector<ui::Color> flashColours;
  machine.windows.onProcessPending = [&] { flashColours.push_back(form->BackColor()); };
  Start();

  Random mirror;
  const auto draw = [&] { return static_cast<double>(mirror.Next()); };
  if (draw() > 0.9) {
    for (int i = 0; i < 4; ++i) draw();
  }
  if (draw() > 0.8) {
    for (int i = 0; i < 4; ++i) draw();
  }
  std::vector<ui::Color> expectedFlash;
  for (int i = 0; i < 9; ++i) expectedFlash.push_back(PaletteColor(RoundHalfEven(15 * draw())));
  std::array<bool, 4> expectedVisible{};
  for (bool& shown : expectedVisible) shown = draw() < 0.5;

  EXPECT_EQ(flashColours, expectedFlash);
  EXPECT_EQ((std::array<bool, 4>{Label(0).Visible(), Label(1).Visible(), Label(2).Visible(),
                                 Label(3).Visible()}),
            expectedVisible);
}

}  // namespace
}  // namespace quillbay
