#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock_test_support.h"
#include "common/palette.h"
#include "common/rounding.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using headless::SoundPlay;
using TimeSignalTest = ClockTest;

TEST_F(TimeSignalTest, SignalIsDueAtTheChosenMinutesOnly) {
  struct Case {
    const char* aramTime;  // nullptr: absent
    int minute;
    bool due;
  };
  for (const Case& c : {Case{nullptr, 0, false}, Case{"0", 0, false}, Case{"1", 0, true},
                        Case{"1", 30, true}, Case{"1", 15, false}, Case{"2", 0, true},
                        Case{"2", 30, false}, Case{"3", 0, false}, Case{" 1", 0, false}}) {
    SCOPED_TRACE(std::string(c.aramTime ? c.aramTime : "(absent)") + " at minute " +
                 std::to_string(c.minute));
    ClockRun run;
    if (c.aramTime) run.Preset(keys::AramTime, c.aramTime);
    run.Preset(keys::WavFileName, "c:\\chime.wav");
    run.machine.clock.SetTime(14, c.minute, 0);
    run.Start();
    run.machine.clock.SetTime(14, c.minute, 59);
    run.Tick(50);
    const std::vector<SoundPlay> expected = {{"c:\\chime.wav", Play::Async}};
    EXPECT_EQ(run.machine.sound.plays, c.due ? expected : std::vector<SoundPlay>{});
  }
}

TEST_F(TimeSignalTest, SignalsOncePerDueMinuteAsTheClockRuns) {
  Preset(keys::AramTime, "1");
  machine.clock.SetTime(14, 29, 50);
  Start();
  EXPECT_TRUE(machine.sound.plays.empty());
  for (const auto& [minute, second] : {std::pair{30, 0}, {30, 1}, {30, 59}, {31, 0}, {59, 59}}) {
    machine.clock.SetTime(14, minute, second);
    Tick(10);
  }
  EXPECT_EQ(machine.sound.plays.size(), 1u);
  machine.clock.SetTime(15, 0, 0);
  Tick(10);
  EXPECT_EQ(machine.sound.plays.size(), 2u);
}

TEST_F(TimeSignalTest, StartedInADueMinuteSignalsDuringSetupAndNotAgain) {
  Preset(keys::AramTime, "2");
  machine.clock.SetTime(10, 0, 30);
  Start();
  EXPECT_EQ(machine.sound.plays.size(), 1u);
  Tick(100);
  EXPECT_EQ(machine.sound.plays.size(), 1u);
}

TEST_F(TimeSignalTest, RepetitionPlaysHourPlusOneTimesEachToItsEnd) {
  for (const auto& [hour, minute] : {std::pair{0, 30}, {12, 0}, {23, 0}}) {
    ClockRun run;
    run.Preset(keys::AramTime, "1");
    run.Preset(keys::RePlayCountToHour, "1");
    run.Preset(keys::WavFileName, "a.wav");
    run.machine.clock.SetTime(hour, minute, 0);
    run.Start();
    EXPECT_EQ(run.machine.sound.plays,
              std::vector<SoundPlay>(static_cast<std::size_t>(hour + 1), {"a.wav", Play::Sync}))
        << hour;
  }
}

TEST_F(TimeSignalTest, FileNameIsReadAgainBeforeEveryPlay) {
  Preset(keys::AramTime, "1");
  Preset(keys::RePlayCountToHour, "1");
  Preset(keys::WavFileName, "first.wav");
  machine.clock.SetTime(2, 0, 0);
  machine.sound.onPlay = [this](const SoundPlay&) { Preset(keys::WavFileName, "later.wav"); };
  Start();
  EXPECT_EQ(machine.sound.plays,
            (std::vector<SoundPlay>{
                {"first.wav", Play::Sync}, {"later.wav", Play::Sync}, {"later.wav", Play::Sync}}));
}

// The plays of the 10:30 signal last until 11:00: the minute in which they ended is taken as
// signalled, so the 11:00 signal does not start right after.
TEST_F(TimeSignalTest, SignalThatRunsIntoTheNextDueMinuteIsNotRepeated) {
  Preset(keys::AramTime, "1");
  Preset(keys::RePlayCountToHour, "1");
  machine.clock.SetTime(10, 30, 0);
  machine.sound.onPlay = [this](const SoundPlay&) {
    if (machine.sound.plays.size() == 11) machine.clock.SetTime(11, 0, 10);
  };
  Start();
  EXPECT_EQ(machine.sound.plays.size(), 11u);
  Tick(20);
  machine.clock.SetTime(11, 0, 59);
  Tick(20);
  EXPECT_EQ(machine.sound.plays.size(), 11u);

  machine.sound.onPlay = nullptr;
  machine.clock.SetTime(11, 30, 0);
  Tick();
  EXPECT_EQ(machine.sound.plays.size(), 23u);
}

TEST_F(TimeSignalTest, FlashShowsNineRandomColoursAfterTheLastPlayThenBackColor) {
  Preset(keys::AramTime, "1");
  Preset(keys::RePlayCountToHour, "1");
  Preset(keys::TimeChangeWindowColor, "1");
  Preset(keys::BackColor, "12");
  machine.clock.SetTime(1, 30, 0);
  std::vector<std::string> events;
  machine.sound.onPlay = [&](const SoundPlay&) { events.push_back("play"); };
  machine.windows.onProcessPending = [&] {
    events.push_back("colour " + std::to_string(form->BackColor()));
  };
  Start();
  ASSERT_EQ(machine.sound.plays.size(), 2u);  // at 1 o'clock

  // The setup tick draws once for the message effect, then the flash draws its nine colours.
  Random mirror;
  mirror.Next();
  std::vector<std::string> expected = {"play", "play"};
  for (int flash = 0; flash < 9; ++flash) {
    const ui::Color colour = PaletteColor(RoundHalfEven(15 * static_cast<double>(mirror.Next())));
    expected.push_back("colour " + std::to_string(colour));
  }
  EXPECT_EQ(events, expected);
  EXPECT_EQ(machine.windows.PendingMessageRuns(), 9);
  // The setup's background step comes after the flash; the flash's own end shows at a later
  // signal.
  machine.clock.SetTime(2, 0, 0);
  Tick();
  EXPECT_EQ(form->BackColor(), ui::Rgb(255, 0, 0));
}

TEST_F(TimeSignalTest, FlashEndsOnBlackWhenBackColorIsAbsentOrNoColourIndex) {
  for (const char* backColor : {static_cast<const char*>(nullptr), "16", "-1", "abc", "3.7e1"}) {
    ClockRun run;
    run.Preset(keys::AramTime, "2");
    run.Preset(keys::TimeChangeWindowColor, "1");
    run.Preset(keys::BackMultiColor[0], "255");
    if (backColor) run.Preset(keys::BackColor, backColor);
    run.machine.clock.SetTime(9, 59, 59);
    run.Start();
    run.machine.clock.SetTime(10, 0, 0);
    run.Tick();
    EXPECT_EQ(run.form->BackColor(), ui::kBlack) << (backColor ? backColor : "(absent)");
    EXPECT_EQ(run.machine.windows.PendingMessageRuns(), 9);
  }
}

TEST_F(TimeSignalTest, NoFlashUnlessTheSettingIsExactly1) {
  for (const char* flash : {"0", "1.0", "true", ""}) {
    ClockRun run;
    run.Preset(keys::AramTime, "2");
    run.Preset(keys::TimeChangeWindowColor, flash);
    run.machine.clock.SetTime(10, 0, 0);
    run.Start();
    EXPECT_EQ(run.machine.windows.PendingMessageRuns(), 0) << flash;
  }
}

// Timer events that arrive while the flash lets messages run are skipped: the mouse check of
// a nested tick does not run, and the background cycle does not advance.
TEST_F(TimeSignalTest, TicksDeliveredDuringTheFlashAreSkipped) {
  Preset(keys::AramTime, "2");
  Preset(keys::TimeChangeWindowColor, "1");
  Preset(keys::BackMultiColor[0], "255");
  Preset(keys::BackMultiColor[1], "65280");
  Preset(keys::BackMultiColor[2], "16711680");
  machine.clock.SetTime(9, 59, 59);
  Start();
  machine.windows.onProcessPending = [this] {
    machine.cursor.position = {5, 5};
    form->Timer1.Tick();
    form->Timer2.Tick();
    machine.cursor.position = {0, 0};
  };
  machine.clock.SetTime(10, 0, 0);
  EXPECT_NO_THROW(Tick());
  EXPECT_EQ(machine.windows.PendingMessageRuns(), 9);
  form->Timer2.Tick();
  EXPECT_EQ(form->BackColor(), ui::Rgb(0, 255, 0));
}

TEST_F(TimeSignalTest, KeyPressedDuringTheFlashEndsTheProgram) {
  Preset(keys::AramTime, "1");
  Preset(keys::TimeChangeWindowColor, "1");
  machine.clock.SetTime(8, 30, 0);
  machine.windows.onProcessPending = [this] { form->PressKey(' '); };
  EXPECT_THROW(Start(), headless::ProgramEnded);
  EXPECT_EQ(machine.windows.PendingMessageRuns(), 1);
  EXPECT_EQ(machine.cursor.showCalls, std::vector<bool>{true});
}

}  // namespace
}  // namespace quillbay
