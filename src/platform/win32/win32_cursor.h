#pragma once

#include "platform/cursor.h"

namespace quillbay::win32 {

class Win32Cursor : public Cursor {
 public:
  void GetPosition(CursorPoint& position) override;
  void ShowCursor(bool show) override;
};

}  // namespace quillbay::win32
