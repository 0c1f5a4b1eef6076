#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillbay {

// A decimal number as written in a text, kept exactly enough to convert it correctly:
// value = (negative ? -1 : 1) × 0.digits × 10^exponent.
struct DecimalNumber {
  // The most significant digits a conversion to double can depend on; later digits only
  // matter through `droppedNonZero`.
  static constexpr std::size_t kMaxDigits = 800;

  bool negative = false;
  std::string digits;           // significant digits, no leading zero; empty for zero
  bool droppedNonZero = false;  // a non-zero digit beyond kMaxDigits was left out
  long long exponent = 0;
};

struct DecimalScanOptions {
  bool allowExponent = true;              // "E" or "e", an optional sign and digits
  bool ignoreWhitespaceAnywhere = false;  // spaces, tabs and line feeds are skipped everywhere
};

struct DecimalScan {
  std::optional<DecimalNumber> number;  // none when the text does not start with a number
  std::size_t end = 0;                  // characters read, ignored whitespace included
};

// Reads the number at the start of `text`: an optional sign, digits with at most one decimal
// point (at least one digit) and, if allowed, an exponent. It stops at the first character
// that cannot continue the number; an exponent without digits is not part of it. Linear in
// the length of the text, whatever its size.
DecimalScan ScanDecimal(std::string_view text, DecimalScanOptions options);

// The nearest double, without depending on the C locale. None when the magnitude is beyond the
// largest finite double; a magnitude too small for a double gives zero.
std::optional<double> ToDouble(const DecimalNumber& number);

}  // namespace quillbay
