#include "common/decimal_number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace quillbay {

namespace {

// Beyond this an exponent cannot change the outcome: it is far outside the double range.
constexpr long long kExponentLimit = 1'000'000'000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Walks the text, skipping whitespace where the options say so.
class Reader {
 public:
  Reader(std::string_view text, bool skipWhitespace) : text_(text), skip_(skipWhitespace) {}

  char Peek() {
    while (skip_ && at_ < text_.size() && IsWhitespace(text_[at_])) ++at_;
    return at_ < text_.size() ? text_[at_] : '\0';
  }
  void Advance() { ++at_; }
  std::size_t Position() const { return at_; }
  void Rewind(std::size_t position) { at_ = position; }

 private:
  static bool IsWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

  std::string_view text_;
  bool skip_;
  std::size_t at_ = 0;
};

bool ReadSign(Reader& reader) {
  const char c = reader.Peek();
  if (c == '+' || c == '-') reader.Advance();
  return c == '-';
}

// The exponent part, or none (and the reader where it was) when no digit follows the "E".
std::optional<long long> ReadExponent(Reader& reader) {
  const std::size_t start = reader.Position();
  const char e = reader.Peek();
  if (e != 'E' && e != 'e') return std::nullopt;
  reader.Advance();
  const bool negative = ReadSign(reader);
  if (!IsDigit(reader.Peek())) {
    reader.Rewind(start);
    return std::nullopt;
  }
  long long value = 0;
  for (char c = reader.Peek(); IsDigit(c); c = reader.Peek()) {
    if (value < kExponentLimit) value = value * 10 + (c - '0');
    reader.Advance();
  }
  return negative ? -value : value;
}

}  // namespace

DecimalScan ScanDecimal(std::string_view text, DecimalScanOptions options) {
  Reader reader(text, options.ignoreWhitespaceAnywhere);
  DecimalNumber number;
  number.negative = ReadSign(reader);

  bool anyDigit = false;
  bool seenPoint = false;
  std::size_t end = 0;
  for (char c = reader.Peek();; c = reader.Peek()) {
    if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else if (IsDigit(c)) {
      anyDigit = true;
      if (number.digits.empty() && c == '0') {
        if (seenPoint) --number.exponent;
      } else {
        if (number.digits.size() < DecimalNumber::kMaxDigits) {
          number.digits += c;
        } else if (c != '0') {
          number.droppedNonZero = true;
        }
        if (!seenPoint) ++number.exponent;
      }
    } else {
      break;
    }
    reader.Advance();
    if (anyDigit) end = reader.Position();
  }
  if (!anyDigit) return {};

  if (options.allowExponent) {
    reader.Rewind(end);
    if (const auto exponent = ReadExponent(reader)) {
      number.exponent += *exponent;
      end = reader.Position();
    }
  }
  return {std::move(number), end};
}

std::optional<double> ToDouble(const DecimalNumber& number) {
  const double sign = number.negative ? -1.0 : 1.0;
  if (number.digits.empty()) return sign * 0.0;
  // 0.1 × 10^310 is beyond the largest double, 0.9… × 10^-330 below the smallest.
  if (number.exponent > 310) return std::nullopt;
  if (number.exponent < -330) return sign * 0.0;

  std::string text = "0.";
  text += number.digits;
  if (number.droppedNonZero) text += '1';
  text += 'e';
  text += std::to_string(number.exponent);

  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (number.exponent > 0) return std::nullopt;
    return sign * 0.0;
  }
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return sign * value;
}

}  // namespace quillbay
