#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/cursor.h"

namespace quillbay {

// Everything the running clock remembers between two ticks. It lives as long as the clock
// window and is never saved; each effect is handed the part it owns.
struct ClockState {
  // Cursor positions in screen pixels; the start position is taken on the first tick.
  CursorPoint MousePos;
  CursorPoint StartMousePos;
  bool StartMousePosRecorded = false;

  // Counts of Timer1 ticks. 64 bits, since a show/hide period read as a huge number lets
  // VisibleCount grow for as long as the saver runs.
  std::int64_t MessageCount = 0;
  std::int64_t CircleCount = 0;
  std::int64_t VisibleCount = 0;

  // Hour and minute ("9:0", "13:30") at which the last time signal ended; empty before it.
  std::string LastChimeTime;

  // Vertical drift of Label1(0) to Label1(3) per tick, in twips; all 0 when the clock stays.
  std::array<double, 4> MoveStep{};

  // Which "BackMultiColor" key the next background step reads: 0, 1 or 2.
  std::int32_t BackColorIndex = 0;
};

}  // namespace quillbay
