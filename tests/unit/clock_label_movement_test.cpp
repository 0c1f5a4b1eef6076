#include <gtest/gtest.h>

#include <array>

#include "clock_test_support.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using LabelMovementTest = ClockTest;

constexpr double kHeight = 7200;

std::array<double, 4> Tops(ClockRun& run) {
  return {run.Label(0).Bounds().top, run.Label(1).Bounds().top, run.Label(2).Bounds().top,
          run.Label(3).Bounds().top};
}

TEST_F(LabelMovementTest, SetupTickAlreadyMovesTheLabelsOneStepDown) {
  Preset(keys::Move, "1");
  Preset(keys::TimeFormat, "1");
  Start();
  EXPECT_DOUBLE_EQ(Label(0).Bounds().top, 1200 + 150);
  EXPECT_DOUBLE_EQ(Label(1).Bounds().top, 7200 / 1.7 + 150);
  EXPECT_DOUBLE_EQ(Label(2).Bounds().top, 312.5 + 150);
  EXPECT_DOUBLE_EQ(Label(3).Bounds().top, 7200 / 14.0 + 150);
  EXPECT_EQ(Label(1).Bounds().left, 4800);  // only top edges change
}

// The labels drift together and turn on the tick after the seconds label has passed the bottom
// or the date label the top, so neither stands more than one step beyond the edge.
TEST_F(LabelMovementTest, DriftTurnsAtTheBottomAndAtTheTop) {
  Preset(keys::Move, "1");
  Preset(keys::ChangeVisible, "0");
  Start();
  double step = 150;
  int turnsAtBottom = 0, turnsAtTop = 0;
  for (int tick = 0; tick < 200; ++tick) {
    const std::array<double, 4> before = Tops(*this);
    const bool pastBottom = Label(1).Bounds().Bottom() > kHeight;
    const bool pastTop = Label(2).Bounds().top < 0;
    if (pastBottom || pastTop) {
      step = -step;
      (pastBottom ? turnsAtBottom : turnsAtTop)++;
    }
    Tick();
    const std::array<double, 4> after = Tops(*this);
    for (int index = 0; index < 4; ++index) {
      ASSERT_DOUBLE_EQ(after[index] - before[index], step) << "tick " << tick << " label " << index;
    }
    EXPECT_LE(Label(1).Bounds().Bottom(), kHeight + 150);
    EXPECT_GE(Label(2).Bounds().top, -150);
  }
  EXPECT_GE(turnsAtBottom, 2);
  EXPECT_GE(turnsAtTop, 2);
}

TEST_F(LabelMovementTest, LabelsStayWhenMoveIsOff) {
  for (const char* move : {"0", "2", "abc", ""}) {
    ClockRun run;
    run.Preset(keys::Move, move);
    run.Preset(keys::WriteScreenMaru, "1");
    run.Preset(keys::WriteUserName, "1");
    run.Start();
    const std::array<double, 4> start = Tops(run);
    run.Tick(100);
    EXPECT_EQ(Tops(run), start) << move;
  }
}

}  // namespace
}  // namespace quillbay
