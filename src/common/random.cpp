#include "common/random.h"

namespace quillbay {

namespace {
constexpr std::uint32_t kModulusMask = (1u << 24) - 1;
}

float Random::Next() {
  state_ = (state_ * 16598013u + 12820163u) & kModulusMask;
  return static_cast<float>(state_) / static_cast<float>(1u << 24);
}

}  // namespace quillbay
