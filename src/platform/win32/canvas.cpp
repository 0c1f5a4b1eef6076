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

void Canvas::Fill(ui::Color color) {
  BrushHandle brush(CreateSolidBrush(ToColorRef(color)));
  const RECT all{0, 0, size_.cx, size_.cy};
  FillRect(dc_.Get(), &all, brush.Get());
}

}  // namespace quillbay::win32
