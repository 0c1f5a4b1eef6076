#include "platform/win32/win32_system_clock.h"

#include <gtest/gtest.h>

namespace quillbay::win32 {
namespace {

TEST(Win32SystemClockTest, GivesTheLocalTimeWithFieldsInRange) {
  Win32SystemClock clock;
  const LocalDateTime now = clock.Now();
  EXPECT_GE(now.year, 2020);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
  EXPECT_TRUE(now.minute >= 0 && now.minute <= 59);
  EXPECT_TRUE(now.second >= 0 && now.second <= 59);
}

TEST(Win32SystemClockTest, WritesADateInTheUsersShortFormatAndNothingForAnImpossibleOne) {
  Win32SystemClock clock;
  LocalDateTime date;
  date.year = 2024;
  date.month = 11;
  date.day = 27;
  const std::string text = clock.ShortDateText(date);
  std::printf("short date of 2024-11-27: %s\n", text.c_str());
  EXPECT_NE(text.find("24"), std::string::npos) << text;
  EXPECT_NE(text.find("27"), std::string::npos) << text;
  EXPECT_NE(text.find("11"), std::string::npos) << text;

  date.month = 13;
  EXPECT_EQ(clock.ShortDateText(date), "");
  date.year = -5;
  EXPECT_EQ(clock.ShortDateText(date), "");
}

}  // namespace
}  // namespace quillbay::win32
