#include "common/two_digit.h"

namespace quillbay {

namespace {

std::string TwoDigits(int field) {
  std::string text = std::to_string(field);
  if (text.size() == 1) text.insert(text.begin(), '0');
  return text;
}

}  // namespace

std::string TwoDigitHour(const LocalDateTime& time) {
  return TwoDigits(time.hour);
}
std::string TwoDigitMinute(const LocalDateTime& time) {
  return TwoDigits(time.minute);
}
std::string TwoDigitSecond(const LocalDateTime& time) {
  return TwoDigits(time.second);
}

}  // namespace quillbay
