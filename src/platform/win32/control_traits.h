#pragma once

#include "platform/ui/control.h"

namespace quillbay::win32 {

// How the window system realises each kind of control model.

// Painted by the window itself: shapes, lines, images and labels with a transparent background.
bool IsWindowless(const ui::Control& control);
// Realised as a child window of its own.
bool HasChildWindow(const ui::Control& control);
// A child window the user can move the keyboard focus to.
bool TakesFocus(const ui::Control& control);
// Visible itself and in every frame that holds it.
bool ShownInWindow(const ui::Control& control);
// Enabled itself and in every frame that holds it.
bool EnabledInWindow(const ui::Control& control);

}  // namespace quillbay::win32
