#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "common/rounding.h"

namespace quillbay {
namespace {

TEST(RoundHalfEvenTest, RoundsToNearestWithHalvesToTheEvenNeighbour) {
  const struct {
    double value;
    int expected;
  } cases[] = {
      {0.0, 0},
      {0.4999999, 0},
      {0.5, 0},
      {0.5000001, 1},
      {1.5, 2},
      {2.5, 2},
      {14.5, 14},
      {13.5, 14},
      {14.99, 15},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {-2.6, -3},
      {7.0, 7},
      {2147483646.5, 2147483646},
      {1e20, INT_MAX},
      {-1e20, INT_MIN},
      {std::numeric_limits<double>::infinity(), INT_MAX},
      {-std::numeric_limits<double>::infinity(), INT_MIN},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.expected) << "value: " << c.value;
  }
}

}  // namespace
}  // namespace quillbay
