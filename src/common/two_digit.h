#pragma once

#include <string>

#include "platform/system_clock.h"

namespace quillbay {

// One field of a time as decimal text, with a "0" in front when it has a single digit:
// 9:05:07 gives "09", "05" and "07".
std::string TwoDigitHour(const LocalDateTime& time);
std::string TwoDigitMinute(const LocalDateTime& time);
std::string TwoDigitSecond(const LocalDateTime& time);

}  // namespace quillbay
