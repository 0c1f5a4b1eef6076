#include "pickers/random_stirring.h"

#include <gtest/gtest.h>

namespace quillbay {
namespace {

TEST(SevenDigitTextTest, WritesTheShortestTextWithAtMostSevenSignificantDigits) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {45296.23f, "45296.23"}, {45296.5f, "45296.5"}, {45296.0f, "45296"}, {45296.05f, "45296.05"},
      {86399.99f, "86399.99"}, {0.0f, "0"},           {0.25f, "0.25"},     {1234.56f, "1234.56"},
      {1234567.8f, "1234568"}, {12.3f, "12.3"},
  };
  for (const auto& c : cases) EXPECT_EQ(SevenDigitText(c.value), c.text) << c.value;
}

TEST(NumberOfLastTwoCharactersTest, ReadsDigitsAPointAndDigitOrAShortText) {
  EXPECT_EQ(NumberOfLastTwoCharacters("45296.23"), 23);
  EXPECT_EQ(NumberOfLastTwoCharacters("45296.05"), 5);
  EXPECT_EQ(NumberOfLastTwoCharacters("45296.5"), 0.5);
  EXPECT_EQ(NumberOfLastTwoCharacters("45296"), 96);
  EXPECT_EQ(NumberOfLastTwoCharacters("7"), 7);
  EXPECT_EQ(NumberOfLastTwoCharacters(""), 0);
  EXPECT_EQ(NumberOfLastTwoCharacters("x1"), 0);
}

TEST(SecondsSinceMidnightTest, KeepsHundredthsAndDropsFinerParts) {
  EXPECT_EQ(SevenDigitText(
                SecondsSinceMidnight({.hour = 12, .minute = 34, .second = 56, .millisecond = 239})),
            "45296.23");
  EXPECT_EQ(SevenDigitText(
                SecondsSinceMidnight({.hour = 12, .minute = 34, .second = 56, .millisecond = 9})),
            "45296");
  EXPECT_EQ(SevenDigitText(
                SecondsSinceMidnight({.hour = 23, .minute = 59, .second = 59, .millisecond = 999})),
            "86399.99");
}

// How many draws a stirring consumed: the position where its generator meets a fresh one.
int DrawsConsumed(float seconds) {
  Random stirred;
  StirRandom(stirred, seconds);
  const float next = stirred.Next();
  Random fresh;
  for (int draws = 0; draws <= 1000; ++draws) {
    Random probe = fresh;
    if (probe.Next() == next) return draws;
    fresh.Next();
  }
  return -1;
}

TEST(StirRandomTest, DrawsTwiceForEveryWholeStepUpToTheLastTwoCharacters) {
  const struct {
    float seconds;
    int draws;
  } cases[] = {
      {45296.23f, 2 * 24},  // "23"
      {45296.05f, 2 * 6},   // "05"
      {45296.5f, 2},        // ".5" counts 0 and stops
      {45296.0f, 2 * 97},   // "96" of a whole number of seconds
      {86399.99f, 200},     // the most
      {0.0f, 2},            // "0"
  };
  for (const auto& c : cases) EXPECT_EQ(DrawsConsumed(c.seconds), c.draws) << c.seconds;
}

}  // namespace
}  // namespace quillbay
