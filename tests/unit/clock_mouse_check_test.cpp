#include <gtest/gtest.h>

#include <vector>

#include "clock_test_support.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using MouseCheckTest = ClockTest;

TEST_F(MouseCheckTest, StillCursorKeepsTheSaverRunning) {
  machine.cursor.position = {-1280, -5};  // a monitor left of and above the primary one
  Start();
  EXPECT_NO_THROW(Tick(1000));
  EXPECT_TRUE(machine.cursor.showCalls.empty());
}

TEST_F(MouseCheckTest, AnyMovementEndsTheSaverOnTheNextTick) {
  struct Case {
    CursorPoint start, moved;
  };
  for (const Case& c : {Case{{100, 100}, {101, 100}}, Case{{100, 100}, {100, 99}},
                        Case{{1, 23}, {12, 3}}, Case{{-1, 0}, {0, 0}}, Case{{-500, -3}, {-500, -4}},
                        Case{{0, 0}, {-2147483647 - 1, 2147483647}}}) {
    SCOPED_TRACE(std::to_string(c.moved.x) + "," + std::to_string(c.moved.y));
    ClockRun run;
    run.machine.cursor.position = c.start;
    run.Start();
    run.Tick(3);
    run.machine.cursor.position = c.moved;
    EXPECT_THROW(run.Tick(), headless::ProgramEnded);
    EXPECT_EQ(run.machine.cursor.showCalls, std::vector<bool>{true});
  }
}

TEST_F(MouseCheckTest, CursorMovedAwayAndBackBetweenTicksIsNoMovement) {
  machine.cursor.position = {300, 200};
  Start();
  machine.cursor.position = {900, 10};
  machine.cursor.position = {300, 200};
  EXPECT_NO_THROW(Tick(10));
}

// The start position is the one the setup saw, before the window was shown.
TEST_F(MouseCheckTest, MovementBetweenSetupAndTheFirstTimerTickEndsTheSaver) {
  machine.cursor.position = {10, 10};
  Start();
  machine.cursor.position = {10, 11};
  EXPECT_THROW(Tick(), headless::ProgramEnded);
}

// Nothing else of the tick runs: no new clock text, drawing, time signal, movement or shuffle.
TEST_F(MouseCheckTest, MovedCursorEndsTheProgramBeforeTheRestOfTheTick) {
  Preset(keys::AramTime, "1");
  Preset(keys::WriteScreenMaru, "1");
  Preset(keys::Move, "1");
  Preset(keys::VisibleChangeTime, "0");
  machine.clock.SetTime(10, 29, 59);
  Start();
  const std::string shownTime = Label(0).Caption();
  const double top = Label(0).Bounds().top;
  const std::size_t drawings = form->Drawings().size();
  ChangeCounter changes;
  form->AttachPeer(&changes);

  machine.clock.SetTime(10, 30, 0);
  machine.cursor.position = {1, 0};
  EXPECT_THROW(Tick(), headless::ProgramEnded);
  EXPECT_EQ(Label(0).Caption(), shownTime);
  EXPECT_EQ(Label(0).Bounds().top, top);
  EXPECT_EQ(form->Drawings().size(), drawings);
  EXPECT_TRUE(machine.sound.plays.empty());
  EXPECT_EQ(changes.captionChanges + changes.visibleChanges + changes.boundsChanges, 0);
  EXPECT_EQ(machine.cursor.showCalls, std::vector<bool>{true});
}

}  // namespace
}  // namespace quillbay
