#pragma once

#include <cstdint>

namespace quillbay {

// Screen pixels; negative on a monitor left of or above the primary one.
struct CursorPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;

  bool operator==(const CursorPoint&) const = default;
};

class Cursor {
 public:
  virtual ~Cursor() = default;
  // Fills `position` like GetCursorPos: on failure it is left as it was.
  virtual void GetPosition(CursorPoint& position) = 0;
  // One call of ShowCursor(show); the system keeps a display count.
  virtual void ShowCursor(bool show) = 0;
};

}  // namespace quillbay
