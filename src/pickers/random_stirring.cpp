#include "pickers/random_stirring.h"

#include <charconv>
#include <cstdio>

namespace quillbay {

float SecondsSinceMidnight(const LocalDateTime& time) {
  const int hundredths =
      ((time.hour * 60 + time.minute) * 60 + time.second) * 100 + time.millisecond / 10;
  // Below 2^24, so the whole count is exact in single precision before the one division.
  return static_cast<float>(hundredths) / 100.0f;
}

std::string SevenDigitText(float value) {
  // %g drops trailing zeros and the point itself when nothing follows it.
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  return text;
}

double NumberOfLastTwoCharacters(std::string_view text) {
  const std::string_view tail = text.size() > 2 ? text.substr(text.size() - 2) : text;
  double number = 0;
  const auto [end, error] = std::from_chars(tail.data(), tail.data() + tail.size(), number);
  return error == std::errc() && end == tail.data() + tail.size() ? number : 0;
}

void StirRandom(Random& random, float secondsSinceMidnight) {
  const double limit = NumberOfLastTwoCharacters(SevenDigitText(secondsSinceMidnight));
  for (int counter = 0; counter <= limit; ++counter) {
    random.Next();
    random.Next();
  }
}

}  // namespace quillbay
