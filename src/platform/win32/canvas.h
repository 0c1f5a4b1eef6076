#pragma once

#include <windows.h>

#include "platform/ui/color.h"
#include "platform/win32/gdi_objects.h"

namespace quillbay::win32 {

inline COLORREF ToColorRef(ui::Color color) {
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

// A bitmap with a device context to draw in: the scratch band in which a paint composes its
// picture before one blit to the screen.
class Canvas {
 public:
  // Makes the canvas `size` pixels big; what it held is gone.
  void Resize(SIZE size);

  HDC Dc() const { return dc_.Get(); }
  SIZE Size() const { return size_; }

 private:
  BitmapHandle bitmap_;  // declared first: the DC that holds it goes before it
  MemoryDc dc_;
  SIZE size_{};
};

}  // namespace quillbay::win32
