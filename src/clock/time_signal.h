#pragma once

#include "clock/clock_state.h"
#include "common/application.h"
#include "platform/ui/window.h"

namespace quillbay {

// The time signal, checked on every clock tick and given at most once per clock minute: at
// minutes 0 and 30 ("AramTime" "1") or at minute 0 ("2") it plays "WavFileName" once without
// waiting, or hour + 1 times each to its end ("RePlayCountToHour" on), then flashes the
// background through nine random colours when "TimeChangeWindowColor" is "1".
// The minute is recorded in LastChimeTime before the flash, because the flash lets pending
// messages (and so other handlers) run between its colours.
void CheckChime(ClockState& state, ui::Window& window, Application& app);

}  // namespace quillbay
