#include <gtest/gtest.h>

#include "common/two_digit.h"

namespace quillbay {
namespace {

TEST(TwoDigitTest, PutsAZeroInFrontOfASingleDigitField) {
  const struct {
    int hour, minute, second;
    const char* expected;
  } cases[] = {
      {9, 5, 7, "09 05 07"},
      {23, 59, 59, "23 59 59"},
      {0, 0, 0, "00 00 00"},
      {10, 10, 10, "10 10 10"},
  };
  for (const auto& c : cases) {
    LocalDateTime time;
    time.hour = c.hour;
    time.minute = c.minute;
    time.second = c.second;
    EXPECT_EQ(TwoDigitHour(time) + " " + TwoDigitMinute(time) + " " + TwoDigitSecond(time),
              c.expected);
  }
}

}  // namespace
}  // namespace quillbay
