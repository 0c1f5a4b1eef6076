#pragma once

#include <cstdint>

namespace quillbay {

// The program's one pseudo-random sequence. It is not seeded from the clock, so every run
// starts with the same numbers; each draw is an exact single-precision value in [0, 1).
class Random {
 public:
  float Next();

 private:
  std::uint32_t state_ = 327680;
};

}  // namespace quillbay
