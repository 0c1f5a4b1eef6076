#include <gtest/gtest.h>

#include "common/random.h"

namespace quillbay {
namespace {

// x <- (x * 16598013 + 12820163) mod 2^24 from x = 327680, each draw x / 2^24: every run of
// the program sees exactly these numbers first.
TEST(RandomTest, EveryRunStartsWithTheSameExactSequence) {
  const unsigned expectedStates[] = {11837123, 8949370, 9722709, 4858052, 5065847};
  Random random;
  for (unsigned state : expectedStates) {
    EXPECT_EQ(random.Next(), static_cast<float>(state) / 16777216.0f);
  }
}

}  // namespace
}  // namespace quillbay
