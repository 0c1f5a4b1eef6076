#pragma once

#include "clock/clock_state.h"
#include "platform/ui/control_array.h"
#include "platform/ui/label.h"

namespace quillbay {

// Drifts the four clock labels vertically by MoveStep and turns all of them round together
// once the date label (the topmost) has passed the top of the screen or the seconds label (the
// lowest) the bottom. The turn follows the move, so a label may stand one step beyond the edge
// for one tick. screenHeight in twips.
void MoveLabels(ClockState& state, const ui::ControlArray<ui::Label>& labels, double screenHeight);

}  // namespace quillbay
