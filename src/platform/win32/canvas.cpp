#include "platform/win32/canvas.h"

#include <algorithm>

namespace quillbay::win32 {

void Canvas::Resize(SIZE size) {
  ScreenDc screen;
  if (!dc_.Get()) dc_ = MemoryDc(screen.Get());
  size_ = {std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1)};
  BitmapHandle fresh(CreateCompatibleBitmap(screen.Get(), size_.cx, size_.cy));
  SelectObject(dc_.Get(), fresh.Get());
  bitmap_ = std::move(fresh);
}

}  // namespace quillbay::win32
