#pragma once

#include <windows.h>

#include "platform/ui/control.h"

namespace quillbay::win32 {

// Turns what the user did to a child window into the same call on its model that a test makes;
// the model then fires its event and reports its new state back through the window's peer.

// A WM_COMMAND notification (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE, LBN_DBLCLK, ...).
void ActOnCommand(ui::Control& control, HWND child, WORD notification);
// A WM_HSCROLL request from a scroll bar; `thumb` is the 16-bit thumb position it carries.
void ActOnScroll(ui::Control& control, WORD request, WORD thumb);

}  // namespace quillbay::win32
