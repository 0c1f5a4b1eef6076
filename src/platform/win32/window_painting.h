#pragma once

#include <windows.h>

#include "platform/ui/control.h"
#include "platform/ui/drawing.h"
#include "platform/win32/window_resources.h"

namespace quillbay::win32 {

// What a window paints itself, as opposed to what its child windows paint.

// The pixels a text or circle drawn on the window may touch, in client coordinates.
RECT DrawingArea(const ui::Drawing& drawing, WindowResources& resources);
void PaintDrawing(HDC dc, const ui::Drawing& drawing, WindowResources& resources);

// The pixels a windowless control paints (see IsWindowless), in client coordinates.
RECT WindowlessArea(const ui::Control& control, const WindowResources& resources);
void PaintWindowless(HDC dc, const ui::Control& control, WindowResources& resources);

}  // namespace quillbay::win32
