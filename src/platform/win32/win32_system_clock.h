#pragma once

#include <string>

#include "platform/system_clock.h"

namespace quillbay::win32 {

// The local time and the user's short date format.
class Win32SystemClock : public SystemClock {
 public:
  LocalDateTime Now() override;
  // Empty when the system cannot format the date (an impossible date, for example).
  std::string ShortDateText(const LocalDateTime& date) override;
};

}  // namespace quillbay::win32
