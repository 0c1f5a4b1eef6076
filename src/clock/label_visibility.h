#pragma once

#include "clock/clock_state.h"
#include "common/random.h"
#include "platform/settings_store.h"
#include "platform/ui/control_array.h"
#include "platform/ui/label.h"

namespace quillbay {

// Whether the user lets clock label `index` (0 to 3) show at all: its "Visible" key is not 0.
bool LabelAllowed(SettingsStore& store, int index);

// "ChangeVisible" on: counts the tick, and on every ("VisibleChangeTime" + 1)-th such tick
// shows each allowed label with probability one half and hides the others. A label the user
// switched off stays hidden.
void ShuffleLabelVisibility(ClockState& state, const ui::ControlArray<ui::Label>& labels,
                            SettingsStore& store, Random& random);

}  // namespace quillbay
