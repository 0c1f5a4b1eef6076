#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>

#include "common/number_from_text.h"

namespace quillbay {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

TEST(NumberFromTextTest, ReadsTheLeadingNumberIgnoringBlanksTabsAndLineFeeds) {
  const struct {
    std::string text;
    double expected;
  } cases[] = {
      {"5", 5},
      {"2.5", 2.5},
      {"500", 500},
      {"  12  ", 12},
      {"1 2\t3\n4", 1234},
      {"- 5", -5},
      {"+7", 7},
      {"-.5", -0.5},
      {"12abc", 12},
      {"10秒", 10},
      {"1.2.3", 1.2},
      {"1e3", 1000},
      {"1E+2", 100},
      {"25e-1", 2.5},
      {"1 e 2", 100},
      {"1e", 1},
      {"1e+", 1},
      {"3ex", 3},
      {"0.1", 0.1},
      {"", 0},
      {" ", 0},
      {"-", 0},
      {".", 0},
      {"+-1", 0},
      {"abc", 0},
      {"nan", 0},
      {"inf", 0},
      {"\r5", 0},
      {"１２", 0},
      {"1e999", kLargest},
      {"-1e999", -kLargest},
      {"1e-999", 0},
      {"1e99999999999999999999", kLargest},
      {"0e99999", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberFromText(c.text), c.expected) << "text: \"" << c.text << '"';
  }
}

TEST(NumberFromTextTest, HugeTextsGiveFiniteResultsInLinearTime) {
  const std::string manyDigits(100 * 1024, '9');
  const std::string manyFractionDigits = "0." + std::string(100 * 1024, '0') + "1";
  const std::string manySpaces = std::string(100 * 1024, ' ') + "42";
  const std::string longExponent = "1e-" + std::string(100 * 1024, '9');

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(NumberFromText(manyDigits), kLargest);
  EXPECT_EQ(NumberFromText("-" + manyDigits), -kLargest);
  EXPECT_EQ(NumberFromText(manyFractionDigits), 0);
  EXPECT_EQ(NumberFromText(manySpaces), 42);
  EXPECT_EQ(NumberFromText(longExponent), 0);
  EXPECT_EQ(NumberFromText("0.000" + std::string(5000, '3') + "e3"), 1.0 / 3);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // A quadratic reading of 100 KB would take minutes; linear is a few milliseconds.
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

}  // namespace
}  // namespace quillbay
