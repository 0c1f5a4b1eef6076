#pragma once

#include "platform/settings_store.h"

namespace quillbay {

// The background step's period in milliseconds: the leading number of "Timer2Interval"
// seconds, 2 when absent, to the nearest millisecond. 0 means the timer stays stopped.
int Timer2IntervalFromSettings(SettingsStore& store);

}  // namespace quillbay
