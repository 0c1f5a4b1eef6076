#include "clock/timer2_interval.h"

#include "common/number_from_text.h"
#include "common/rounding.h"
#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {

namespace {

// The longest period a system timer accepts (about 24.8 days).
constexpr int kLongestTimerInterval = 0x7FFFFFFF;

}  // namespace

int Timer2IntervalFromSettings(SettingsStore& store) {
  const std::string seconds = settings::ReadSetting(store, settings::keys::Timer2Interval, "2");
  const double milliseconds = NumberFromText(seconds) * 1000;
  // A text without a number gives 0 and the timer stays stopped. The settings dialog never
  // stores a period at or below 0; one written by someone else has no meaning as a period, so
  // it stops the timer too rather than firing it as fast as possible.
  if (!(milliseconds > 0)) return 0;
  // A period longer than any timer can wait (an infinite one included) waits as long as a
  // timer can, which for a screen saver is the same as never.
  if (milliseconds >= kLongestTimerInterval) return kLongestTimerInterval;
  return RoundHalfEven(milliseconds);
}

}  // namespace quillbay
