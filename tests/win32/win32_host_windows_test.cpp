#include "platform/win32/win32_host_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "common/host_dialog.h"
#include "platform/win32/win32_cursor.h"

namespace quillbay::win32 {
namespace {

INT_PTR CALLBACK LeaveMessagesToTheSystem(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

// An empty modeless dialog of the standard dialog class, as the screen-saver host shows.
HWND CreateHostDialog() {
  struct alignas(DWORD) {
    DLGTEMPLATE header{WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 10, 10, 100, 50};
    WORD menu = 0, windowClass = 0, title = 0;
  } dialog;
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, nullptr,
                                    LeaveMessagesToTheSystem, 0);
}

TEST(Win32HostWindowsTest, SwitchesTheFirstStandardDialogOffAndOnAgain) {
  Win32HostWindows windows;
  EXPECT_EQ(windows.FindWindowByClass("#32770"), 0u);
  EnableHostDialog(windows, false);  // no dialog: nothing happens

  const HWND dialog = CreateHostDialog();
  if (!dialog) GTEST_SKIP() << "no display to create windows on";
  EXPECT_EQ(windows.FindWindowByClass("#32770"), reinterpret_cast<NativeWindowHandle>(dialog));
  EnableHostDialog(windows, false);
  EXPECT_FALSE(IsWindowEnabled(dialog));
  EnableHostDialog(windows, true);
  EXPECT_TRUE(IsWindowEnabled(dialog));
  DestroyWindow(dialog);
}

TEST(Win32CursorTest, ReadsWhereThePointerIs) {
  if (!SetCursorPos(123, 45)) GTEST_SKIP() << "no display with a pointer";
  Win32Cursor cursor;
  CursorPoint position{-1, -1};
  cursor.GetPosition(position);
  EXPECT_EQ(position, (CursorPoint{123, 45}));
}

}  // namespace
}  // namespace quillbay::win32
