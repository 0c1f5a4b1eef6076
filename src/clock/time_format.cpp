#include "clock/time_format.h"

#include "settings/conversions.h"
#include "settings/keys.h"

namespace quillbay {

TimeFormat ReadTimeFormat(SettingsStore& store) {
  const double format = settings::ReadNumber(store, settings::keys::TimeFormat, 0);
  if (format == 0) return TimeFormat::TwentyFourHour;
  if (format == 1) return TimeFormat::TwelveHourLatin;
  return TimeFormat::TwelveHourJapanese;
}

}  // namespace quillbay
