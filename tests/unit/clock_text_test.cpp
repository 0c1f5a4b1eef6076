#include <gtest/gtest.h>

#include "clock_test_support.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using ClockTextTest = ClockTest;

TEST_F(ClockTextTest, TextsForEachTimeFormat) {
  struct Case {
    const char* timeFormat;  // nullptr: absent
    int hour, minute, second;
    const char* hourAndMinute;
    const char* seconds;
    const char* word;
  };
  const Case cases[] = {
      {nullptr, 9, 5, 7, "9:05", "07秒", ""},  // absent: 24-hour
      {"0", 0, 0, 0, "0:00", "00秒", ""},      // midnight
      {"0", 12, 0, 0, "12:00", "00秒", ""},    // noon
      {"0", 23, 59, 59, "23:59", "59秒", ""},
      {"abc", 13, 5, 0, "13:05", "00秒", ""},  // no number: 24-hour
      {"1", 0, 0, 0, "00:00", "00秒", "ＡＭ"},
      {"1", 9, 5, 7, "09:05", "07秒", "ＡＭ"},
      {"1", 11, 59, 0, "11:59", "00秒", "ＡＭ"},
      {"1", 12, 30, 0, "00:30", "00秒", "ＰＭ"},
      {"1", 23, 59, 0, "11:59", "00秒", "ＰＭ"},
      {"2", 0, 15, 0, "00:15", "00秒", "午前"},
      {"2", 12, 30, 0, "00:30", "00秒", "午後"},
      {"2", 13, 5, 0, "01:05", "00秒", "午後"},
      {"5", 0, 0, 0, "00:00", "00秒", "午前"},  // any other number: the Japanese words
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.timeFormat ? c.timeFormat : "(absent)") + " " +
                 std::to_string(c.hour) + ":" + std::to_string(c.minute));
    ClockRun run;
    if (c.timeFormat) run.Preset(keys::TimeFormat, c.timeFormat);
    run.machine.clock.SetTime(c.hour, c.minute, c.second);
    run.Start();
    EXPECT_EQ(run.Label(0).Caption(), c.hourAndMinute);
    EXPECT_EQ(run.Label(1).Caption(), c.seconds);
    EXPECT_EQ(run.Label(2).Caption(), "2000/01/01");
    EXPECT_EQ(run.Label(3).Caption(), c.word);
  }
}

TEST_F(ClockTextTest, CaptionsAreWrittenOnlyWhenTheirTextChanges) {
  Preset(keys::ChangeVisible, "0");
  Start();
  ChangeCounter changes;
  form->AttachPeer(&changes);

  Tick(100);
  EXPECT_EQ(changes.captionChanges, 0);

  machine.clock.SetTime(10, 15, 21);
  Tick(5);
  EXPECT_EQ(changes.captionChanges, 1);
  EXPECT_EQ(Label(1).Caption(), "21秒");

  machine.clock.SetTime(10, 16, 21);
  Tick(5);
  EXPECT_EQ(changes.captionChanges, 2);
  EXPECT_EQ(Label(0).Caption(), "10:16");

  machine.clock.now.day = 2;
  Tick();
  EXPECT_EQ(changes.captionChanges, 3);
  EXPECT_EQ(Label(2).Caption(), "2000/01/02");
}

// The hour and its word are written together, even when only the minute changed.
TEST_F(ClockTextTest, TwelveHourTextAndWordChangeInTheSameTick) {
  Preset(keys::TimeFormat, "1");
  Preset(keys::ChangeVisible, "0");
  machine.clock.SetTime(11, 58, 0);
  Start();
  ChangeCounter changes;
  form->AttachPeer(&changes);

  machine.clock.SetTime(11, 59, 0);
  Tick(3);
  EXPECT_EQ(Label(0).Caption(), "11:59");
  EXPECT_EQ(changes.captionChanges, 2);

  machine.clock.SetTime(12, 0, 0);
  Tick();
  EXPECT_EQ(Label(0).Caption(), "00:00");
  EXPECT_EQ(Label(3).Caption(), "ＰＭ");
  EXPECT_EQ(changes.captionChanges, 4);
}

TEST_F(ClockTextTest, TimeFormatIsReadOnEveryTick) {
  Start();
  EXPECT_EQ(Label(0).Caption(), "10:15");
  Preset(keys::TimeFormat, "2");
  machine.clock.SetTime(15, 15, 20);
  Tick();
  EXPECT_EQ(Label(0).Caption(), "03:15");
  EXPECT_EQ(Label(3).Caption(), "午後");
}

}  // namespace
}  // namespace quillbay
