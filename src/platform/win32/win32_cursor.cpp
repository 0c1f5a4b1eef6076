#include "platform/win32/win32_cursor.h"

#include <windows.h>

namespace quillbay::win32 {

void Win32Cursor::GetPosition(CursorPoint& position) {
  POINT point{};
  if (!GetCursorPos(&point)) return;  // on a locked desktop, for example
  position = {point.x, point.y};
}

void Win32Cursor::ShowCursor(bool show) {
  ::ShowCursor(show ? TRUE : FALSE);
}

}  // namespace quillbay::win32
