#include "platform/win32/window_class.h"

#include <commctrl.h>

#include "platform/win32/child_controls.h"
#include "platform/win32/realized_window.h"

namespace quillbay::win32 {

namespace {

constexpr wchar_t kClassName[] = L"QuillbayWindow";
constexpr UINT_PTR kChildWatchId = 1;

RealizedWindow* OwnerOf(HWND window) {
  return reinterpret_cast<RealizedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* owner = static_cast<RealizedWindow*>(creation->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->Attach(window);
  }
  RealizedWindow* owner = OwnerOf(window);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (!owner) return DefWindowProcW(window, message, wParam, lParam);
  return owner->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK ChildProcedure(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR ownerData) {
  if (message == WM_PAINT && PaintGroupBox(child)) return 0;
  const LRESULT result = DefSubclassProc(child, message, wParam, lParam);
  if (message == WM_SETFOCUS) {
    reinterpret_cast<RealizedWindow*>(ownerData)->OnChildFocus(child);
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(child, ChildProcedure, id);
  }
  return result;
}

}  // namespace

const wchar_t* WindowClassName() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    // No background brush: the windows paint their whole client area themselves.
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  (void)registered;  // creating a window of an unregistered class fails visibly there
  return kClassName;
}

void WatchChildWindow(HWND child, RealizedWindow& owner) {
  SetWindowSubclass(child, ChildProcedure, kChildWatchId, reinterpret_cast<DWORD_PTR>(&owner));
}

}  // namespace quillbay::win32
