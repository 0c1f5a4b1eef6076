#include "common/number_from_text.h"

#include <limits>

#include "common/decimal_number.h"

namespace quillbay {

double NumberFromText(std::string_view text) {
  const DecimalScan scan =
      ScanDecimal(text, {.allowExponent = true, .ignoreWhitespaceAnywhere = true});
  if (!scan.number) return 0;
  if (const auto value = ToDouble(*scan.number)) return *value;
  const double largest = std::numeric_limits<double>::max();
  return scan.number->negative ? -largest : largest;
}

}  // namespace quillbay
