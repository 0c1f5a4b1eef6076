#pragma once

#include <windows.h>

namespace quillbay::win32 {

class RealizedWindow;

// The program's own window class (registered on first use): every realised window belongs to
// it, so no window of this program is mistaken for a system dialog.
const wchar_t* WindowClassName();

// Hands the messages of a child window that concern its parent (it got the focus) to `owner`.
void WatchChildWindow(HWND child, RealizedWindow& owner);

}  // namespace quillbay::win32
