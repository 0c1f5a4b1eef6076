#pragma once

#include <windows.h>
// The models' own names, not the system's text macros.
#undef DrawText
#undef MessageBox

#include <string>
#include <vector>

#include "platform/win32/win32_window_system.h"

namespace quillbay::win32::test_support {

inline HWND HandleOf(const Win32WindowSystem& system, const ui::Window& window) {
  return static_cast<HWND>(system.NativeHandle(window));
}

struct ChildInfo {
  HWND handle;
  std::wstring className;
  std::wstring text;
  RECT rect;  // in the parent's client coordinates
  LONG style;
};

inline std::vector<ChildInfo> ChildWindows(HWND parent) {
  std::vector<ChildInfo> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    children.push_back(
        {child, className, text, rect, static_cast<LONG>(GetWindowLongPtrW(child, GWL_STYLE))});
  }
  return children;
}

// The child window showing `text`, or the first of a class when `text` is empty.
inline HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text = L"") {
  for (const auto& child : ChildWindows(parent)) {
    if (_wcsicmp(child.className.c_str(), className.c_str()) == 0 &&
        (text.empty() || child.text == text)) {
      return child.handle;
    }
  }
  return nullptr;
}

// Long enough for a change to be painted: a window paints at most once a frame (33 ms).
inline constexpr DWORD kPaintSettles = 80;

// Lets the window system deliver messages for a while, as its loops would.
inline void PumpFor(Win32WindowSystem& system, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    system.ProcessPendingMessages();
    Sleep(1);
  } while (GetTickCount() - start < milliseconds);
}

// The colour on the screen at a point of a window's client area.
inline COLORREF ScreenPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return color;
}

// The colours on the screen in a rectangle of a window's client area, row by row.
inline std::vector<COLORREF> ScreenPixels(HWND window, RECT area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC source = GetDC(window);
  HDC copy = CreateCompatibleDC(source);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels;
  const auto* row = static_cast<const DWORD*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const DWORD bgr = row[i];  // blue in the low byte
    pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
  }
  SelectObject(copy, previous);
  DeleteDC(copy);
  ReleaseDC(window, source);
  DeleteObject(bitmap);
  return pixels;
}

inline int CountPixels(HWND window, RECT area, COLORREF color) {
  int count = 0;
  for (const COLORREF pixel : ScreenPixels(window, area)) count += pixel == color ? 1 : 0;
  return count;
}

}  // namespace quillbay::win32::test_support
