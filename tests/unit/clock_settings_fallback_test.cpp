#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock_test_support.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using ClockSettingsFallbackTest = ClockTest;

TEST_F(ClockSettingsFallbackTest, EmptyStoreRunsThePlainClock) {
  machine.clock.SetTime(12, 0, 0);
  Start();
  Tick(1000);
  EXPECT_EQ(Label(0).Caption(), "12:00");
  EXPECT_EQ(Label(3).Caption(), "");
  EXPECT_TRUE(machine.sound.plays.empty());
  EXPECT_TRUE(form->Drawings().empty());
  EXPECT_EQ(Label(0).Bounds().top, 1200);
  EXPECT_EQ(Label(0).ForeColor(), ui::kWhite);
  EXPECT_EQ(form->Timer2.Interval(), 2000);
  EXPECT_EQ(form->BackColor(), ui::kBlack);
  EXPECT_FALSE(machine.windows.IsTopmost(*form));
  EXPECT_TRUE(machine.store.Writes().empty());
}

// Values another program may have left in the store: none of them stops the clock, and each
// reading place falls back to its default.
const std::vector<std::string>& Garbage() {
  static const std::vector<std::string> values = {"abc",
                                                  "",
                                                  "-1",
                                                  "16",
                                                  "3",
                                                  "1e999",
                                                  "-1e999",
                                                  "nan",
                                                  "inf",
                                                  "0x10",
                                                  "1,5",
                                                  " ",
                                                  "99999999999999999999",
                                                  std::string(65536, '7'),
                                                  std::string(65536, 'x'),
                                                  "ユーザー名",
                                                  "１",
                                                  std::string("1\0"
                                                              "2",
                                                              3),
                                                  "\xff\xfe",
                                                  "%s%n"};
  return values;
}

TEST_F(ClockSettingsFallbackTest, GarbageInEveryKeyNeverStopsTheClock) {
  for (const std::string& value : Garbage()) {
    SCOPED_TRACE("value of " + std::to_string(value.size()) + " bytes: " + value.substr(0, 20));
    ClockRun run;
    for (const SettingKey& key : keys::kAllKeys) run.Preset(key, value);
    run.machine.clock.SetTime(23, 59, 58);
    ASSERT_NO_THROW(run.Start());
    for (const auto& [hour, minute] : {std::pair{23, 59}, {0, 0}, {0, 30}}) {
      run.machine.clock.SetTime(hour, minute, 0);
      ASSERT_NO_THROW(run.Tick(50));
      ASSERT_NO_THROW(run.form->Timer2.Tick());
    }
    EXPECT_GE(run.form->Timer2.Interval(), 0);
    EXPECT_THROW(run.form->PressKey(' '), headless::ProgramEnded);
  }
}

// One bad key at a time, with every effect of the other keys switched on.
TEST_F(ClockSettingsFallbackTest, GarbageInOneKeyAmongValidOnes) {
  const std::vector<std::pair<SettingKey, const char*>> valid = {
      {keys::WriteScreenMaru, "1"},  {keys::WindowToTop, "1"},
      {keys::TimeFormat, "2"},       {keys::WriteUserName, "1"},
      {keys::UserName, "名前"},      {keys::Move, "1"},
      {keys::ChangeVisible, "1"},    {keys::VisibleChangeTime, "3"},
      {keys::FontName, "IPAGothic"}, {keys::RePlayCountToHour, "1"},
      {keys::FontColor, "10"},       {keys::Timer2Interval, "1"},
      {keys::BackColor, "4"},        {keys::AramTime, "1"},
      {keys::WavFileName, "a.wav"},  {keys::TimeChangeWindowColor, "1"}};
  for (const SettingKey& bad : keys::kAllKeys) {
    for (const std::string& value : Garbage()) {
      SCOPED_TRACE(std::string(bad.name) + " = " + value.substr(0, 20));
      ClockRun run;
      for (const auto& [key, text] : valid) run.Preset(key, text);
      run.Preset(bad, value);
      run.machine.clock.SetTime(3, 0, 0);
      ASSERT_NO_THROW(run.Start());
      ASSERT_NO_THROW(run.Tick(30));
      ASSERT_NO_THROW(run.form->Timer2.Tick());
    }
  }
}

// Text that is no number at all: each reading place takes its own default.
TEST_F(ClockSettingsFallbackTest, ValuesThatAreNoNumberTakeTheDefaults) {
  for (const char* value : {"abc", "", "1e999", "nan", "3.5.1", "ユーザー名"}) {
    SCOPED_TRACE(value);
    ClockRun run;
    for (const SettingKey& key : {keys::FontColor, keys::TimeFormat, keys::BackMultiColor[0],
                                  keys::ChangeVisible, keys::HourAndMinuteVisible, keys::Move}) {
      run.Preset(key, value);
    }
    run.Preset(keys::VisibleChangeTime, "0");
    run.Start();
    EXPECT_EQ(run.Label(0).ForeColor(), ui::kWhite);
    EXPECT_EQ(run.Label(0).Caption(), "10:15");  // 24-hour
    EXPECT_EQ(run.form->BackColor(), ui::kBlack);
    EXPECT_EQ(run.Label(0).Bounds().top, 1200);  // no movement
    // The shuffle is on and the hours-and-minutes label is allowed to show.
    bool shown = false, hidden = false;
    for (int tick = 0; tick < 50; ++tick) {
      run.Tick();
      (run.Label(0).Visible() ? shown : hidden) = true;
    }
    EXPECT_TRUE(shown && hidden);
  }
}

TEST_F(ClockSettingsFallbackTest, NumbersOutsideTheirRangeTakeTheDefaults) {
  for (const char* value : {"-1", "16", "2147483648"}) {
    ClockRun run;
    run.Preset(keys::FontColor, value);
    run.Start();
    EXPECT_EQ(run.Label(2).ForeColor(), ui::kWhite) << value;
  }
  for (const char* value : {"-1", "16777216", "2147483648"}) {
    ClockRun run;
    run.Preset(keys::BackMultiColor[0], value);
    run.Start();
    EXPECT_EQ(run.form->BackColor(), ui::kBlack) << value;
  }
}

}  // namespace
}  // namespace quillbay
