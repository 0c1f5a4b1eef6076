#pragma once

#include "clock/clock_state.h"
#include "platform/cursor.h"

namespace quillbay {

// Whether the cursor stands anywhere but where the first check found it; a single pixel in
// either direction counts. The first call records the start position. A failed position query
// leaves MousePos as it was, and that is what is compared.
bool CursorMoved(ClockState& state, Cursor& cursor);

}  // namespace quillbay
