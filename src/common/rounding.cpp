#include "common/rounding.h"

#include <climits>
#include <cmath>

namespace quillbay {

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  const double lower = std::floor(value);
  const double fraction = value - lower;  // exact for every double in the int range
  int result = static_cast<int>(lower);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}

}  // namespace quillbay
