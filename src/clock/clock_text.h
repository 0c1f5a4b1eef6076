#pragma once

#include "platform/settings_store.h"
#include "platform/system_clock.h"
#include "platform/ui/control_array.h"
#include "platform/ui/label.h"

namespace quillbay {

// Writes the time and date into Label1: 0 hours and minutes, 1 seconds, 2 date, 3 the
// morning/afternoon word (12-hour formats only). Runs on every clock tick, so a caption is
// written only when its text changed: the labels repaint at most once a second.
void UpdateClockText(const ui::ControlArray<ui::Label>& labels, SettingsStore& store,
                     SystemClock& clock);

}  // namespace quillbay
