#include <gtest/gtest.h>

#include <array>

#include "clock_test_support.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using LabelVisibilityTest = ClockTest;

std::array<bool, 4> Visibility(ClockRun& run) {
  return {run.Label(0).Visible(), run.Label(1).Visible(), run.Label(2).Visible(),
          run.Label(3).Visible()};
}

// Replays the draws: one for the message chance on every tick, and on every shuffle one per
// label in index order, shown below one half.
TEST_F(LabelVisibilityTest, LabelsAreShuffledOnEveryPeriodPlusOnethTick) {
  struct Case {
    const char* changeTime;  // nullptr: absent
    int period;              // ticks; 0: never
  };
  for (const Case& c : {Case{nullptr, 11}, Case{"0", 1}, Case{"20", 21}, Case{"3.5", 4},
                        Case{"-1", 1}, Case{"abc", 1}, Case{"1e999", 0}}) {
    SCOPED_TRACE(c.changeTime ? c.changeTime : "(absent)");
    ClockRun run;
    if (c.changeTime) run.Preset(keys::VisibleChangeTime, c.changeTime);
    Random mirror;
    std::array<bool, 4> expected = {true, true, true, false};  // 24-hour: no word label
    for (int tick = 1; tick <= 70; ++tick) {
      tick == 1 ? run.Start() : run.Tick();
      mirror.Next();
      if (c.period != 0 && tick % c.period == 0) {
        for (bool& shown : expected) shown = mirror.Next() < 0.5;
      }
      ASSERT_EQ(Visibility(run), expected) << "tick " << tick;
    }
  }
}

TEST_F(LabelVisibilityTest, LabelSwitchedOffStaysHiddenWhileTheOthersChange) {
  Preset(keys::SecondVisible, "0");
  Preset(keys::VisibleChangeTime, "0");
  Start();
  int dateShown = 0;
  for (int tick = 0; tick < 100; ++tick) {
    Tick();
    EXPECT_FALSE(Label(1).Visible());
    dateShown += Label(2).Visible();
  }
  EXPECT_GT(dateShown, 20);
  EXPECT_LT(dateShown, 80);
}

TEST_F(LabelVisibilityTest, LabelsKeepTheirVisibilityWhenTheEffectIsOff) {
  Preset(keys::ChangeVisible, "0");
  Preset(keys::DateLabelVisible, "0");
  Start();
  ChangeCounter changes;
  form->AttachPeer(&changes);
  Tick(200);
  EXPECT_EQ(changes.visibleChanges, 0);
  EXPECT_EQ(Visibility(*this), (std::array<bool, 4>{true, true, false, false}));
}

}  // namespace
}  // namespace quillbay
