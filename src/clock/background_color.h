#pragma once

#include "clock/clock_state.h"
#include "platform/settings_store.h"
#include "platform/ui/window.h"

namespace quillbay {

// One step of the background cycle: paints "BackMultiColor0", "1", "2", "0", … in turn (a
// value that is no colour counts as black). Repainting the background erases the drawings.
void StepBackgroundColor(ClockState& state, ui::Window& window, SettingsStore& store);

}  // namespace quillbay
