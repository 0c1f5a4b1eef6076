#include "clock/mouse_check.h"

namespace quillbay {

bool CursorMoved(ClockState& state, Cursor& cursor) {
  cursor.GetPosition(state.MousePos);
  if (!state.StartMousePosRecorded) {
    state.StartMousePos = state.MousePos;
    state.StartMousePosRecorded = true;
  }
  return state.MousePos != state.StartMousePos;
}

}  // namespace quillbay
