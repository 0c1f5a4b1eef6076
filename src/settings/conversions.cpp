#include "settings/conversions.h"

#include <algorithm>
#include <cstddef>

#include "common/decimal_number.h"

namespace quillbay::settings {

namespace {

constexpr std::int64_t kLargestMagnitude = 2147483648;  // of INT32_MIN
constexpr std::int32_t kLargestColorValue = 0xFFFFFF;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The number when the whole text (blanks around aside) is one, else none.
std::optional<DecimalNumber> WholeTextNumber(std::string_view text, bool allowExponent) {
  text = TrimBlanks(text);
  DecimalScan scan = ScanDecimal(text, {.allowExponent = allowExponent});
  if (scan.end != text.size()) return std::nullopt;
  return std::move(scan.number);
}

// Rounds 0.digits × 10^exponent to a whole number, a half to the even neighbour; none when
// the magnitude exceeds kLargestMagnitude.
std::optional<std::int64_t> RoundedMagnitude(const DecimalNumber& number) {
  if (number.digits.empty() || number.exponent < 0) return 0;
  // Ten digits hold every magnitude up to kLargestMagnitude; an exponent within it means all
  // whole-number digits were kept.
  if (number.exponent > 10) return std::nullopt;
  const std::size_t wholeDigits = static_cast<std::size_t>(number.exponent);
  const std::string& digits = number.digits;

  std::int64_t magnitude = 0;
  for (std::size_t i = 0; i < wholeDigits; ++i) {
    magnitude = magnitude * 10 + (i < digits.size() ? digits[i] - '0' : 0);
  }
  if (wholeDigits < digits.size()) {
    const char first = digits[wholeDigits];
    const bool moreAfterHalf =
        number.droppedNonZero ||
        std::any_of(digits.begin() + static_cast<std::ptrdiff_t>(wholeDigits) + 1, digits.end(),
                    [](char c) { return c != '0'; });
    if (first > '5' || (first == '5' && (moreAfterHalf || magnitude % 2 != 0))) ++magnitude;
  }
  if (magnitude > kLargestMagnitude) return std::nullopt;
  return magnitude;
}

}  // namespace

std::optional<std::int32_t> AsInteger(std::string_view text) {
  const auto number = WholeTextNumber(text, false);
  if (!number) return std::nullopt;
  const auto magnitude = RoundedMagnitude(*number);
  if (!magnitude) return std::nullopt;
  const std::int64_t value = number->negative ? -*magnitude : *magnitude;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<double> AsNumber(std::string_view text) {
  const auto number = WholeTextNumber(text, true);
  if (!number) return std::nullopt;
  return ToDouble(*number);
}

std::optional<ui::Color> AsColorValue(std::string_view text) {
  const auto value = AsInteger(text);
  if (!value || *value < 0 || *value > kLargestColorValue) return std::nullopt;
  return static_cast<ui::Color>(*value);
}

std::int32_t ReadInteger(SettingsStore& store, SettingKey key, std::int32_t defaultValue,
                         std::int32_t min, std::int32_t max) {
  const auto stored = store.Read(key.section, key.name);
  if (!stored) return defaultValue;
  const auto value = AsInteger(*stored);
  if (!value || *value < min || *value > max) return defaultValue;
  return *value;
}

double ReadNumber(SettingsStore& store, SettingKey key, double defaultValue) {
  const auto stored = store.Read(key.section, key.name);
  if (!stored) return defaultValue;
  return AsNumber(*stored).value_or(defaultValue);
}

ui::Color ReadColorValue(SettingsStore& store, SettingKey key, ui::Color defaultValue) {
  const auto stored = store.Read(key.section, key.name);
  if (!stored) return defaultValue;
  return AsColorValue(*stored).value_or(defaultValue);
}

}  // namespace quillbay::settings
