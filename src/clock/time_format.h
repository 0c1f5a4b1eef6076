#pragma once

#include "platform/settings_store.h"

namespace quillbay {

enum class TimeFormat {
  TwentyFourHour,      // 9:05, no morning/afternoon word
  TwelveHourLatin,     // 09:05 with "ＡＭ" / "ＰＭ"
  TwelveHourJapanese,  // 09:05 with "午前" / "午後"
};

// "TimeFormat" as a number: 0 the 24-hour clock, 1 the Latin words, any other number the
// Japanese ones. A text that is no number counts as absent, that is 24-hour. The setup and the
// clock text both ask here, so the morning/afternoon label is hidden exactly when the clock
// text never writes it.
TimeFormat ReadTimeFormat(SettingsStore& store);

}  // namespace quillbay
