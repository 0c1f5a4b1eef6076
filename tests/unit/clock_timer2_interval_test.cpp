#include <gtest/gtest.h>

#include <string>

#include "clock_test_support.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

constexpr int kLongestTimerInterval = 0x7FFFFFFF;

TEST(ClockTimer2IntervalTest, PeriodComesFromTheLeadingNumberOfSeconds) {
  struct Case {
    const char* stored;  // nullptr: absent
    int milliseconds;
  };
  const Case cases[] = {
      {nullptr, 2000},
      {"5", 5000},
      {"0.5", 500},
      {"500", 500000},
      {"12 seconds", 12000},
      {" 1 0", 10000},  // blanks anywhere are ignored
      {"0.0015", 2},    // 1.5 ms: a half goes to the even neighbour
      {"0.0025", 2},
      {"0.0004", 0},  // rounds to no period at all
      {"0", 0},       // stopped
      {"", 0},
      {"abc", 0},
      {"nan", 0},
      {"-1", 0},  // a negative period stops the timer too
      {"-1e999", 0},
      {"2147483.647", kLongestTimerInterval},
      {"3000000", kLongestTimerInterval},  // longer than a timer can wait
      {"1e999", kLongestTimerInterval},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "(absent)");
    ClockRun run;
    if (c.stored) run.Preset(keys::Timer2Interval, c.stored);
    run.Start();
    EXPECT_EQ(run.form->Timer2.Interval(), c.milliseconds);
    EXPECT_EQ(run.form->Timer2.Running(), c.milliseconds > 0);
  }
}

TEST(ClockTimer2IntervalTest, LongTextOfDigitsIsClampedNotOverflowed) {
  ClockRun run;
  run.Preset(keys::Timer2Interval, std::string(65536, '9'));
  run.Start();
  EXPECT_EQ(run.form->Timer2.Interval(), kLongestTimerInterval);
}

}  // namespace
}  // namespace quillbay
