#pragma once

#include <string>

namespace quillbay {

struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;  // 0 to 23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The local date and time of day, and the user's short date format.
class SystemClock {
 public:
  virtual ~SystemClock() = default;
  virtual LocalDateTime Now() = 0;
  virtual std::string ShortDateText(const LocalDateTime& date) = 0;
};

}  // namespace quillbay
