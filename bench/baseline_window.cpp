// The yardstick for the saver's CPU and memory: the least a full-screen clock has to do under
// the same conditions. A borderless black window covering the screen, a 1 ms timer whose every
// tick reads the cursor position and the local time, and one text repainted once a second,
// invalidating only that text's rectangle. Any key, a click or a moved mouse ends it, as they
// end the saver, so a pointer disturbed during a measurement shows as an early end.
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTickTimerId = 1;
constexpr UINT kTickMilliseconds = 1;
constexpr int kTextHeightPixels = 160;
constexpr int kTextWidthPixels = 800;

struct Baseline {
  HFONT font = nullptr;
  RECT textRect{};
  wchar_t text[16] = L"";
  WORD lastSecond = 0xFFFF;
  POINT startCursor{};
  bool cursorRecorded = false;
};

Baseline& StateOf(HWND window) {
  return *reinterpret_cast<Baseline*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void PlaceText(HWND window, Baseline& baseline) {
  RECT client{};
  GetClientRect(window, &client);
  const int left = (client.right - kTextWidthPixels) / 2;
  const int top = (client.bottom - kTextHeightPixels) / 2;
  baseline.textRect = RECT{left, top, left + kTextWidthPixels, top + kTextHeightPixels};
}

bool CursorMoved(Baseline& baseline) {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (!baseline.cursorRecorded) {
    baseline.startCursor = cursor;
    baseline.cursorRecorded = true;
    return false;
  }
  return cursor.x != baseline.startCursor.x || cursor.y != baseline.startCursor.y;
}

void OnTick(HWND window, Baseline& baseline) {
  if (CursorMoved(baseline)) {
    DestroyWindow(window);
    return;
  }
  SYSTEMTIME now{};
  GetLocalTime(&now);
  if (now.wSecond == baseline.lastSecond) return;
  baseline.lastSecond = now.wSecond;
  std::swprintf(baseline.text, sizeof baseline.text / sizeof baseline.text[0], L"%02u:%02u:%02u",
                unsigned{now.wHour}, unsigned{now.wMinute}, unsigned{now.wSecond});
  InvalidateRect(window, &baseline.textRect, TRUE);
}

void OnPaint(HWND window, const Baseline& baseline) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  HGDIOBJ previousFont = SelectObject(dc, baseline.font);
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  RECT textRect = baseline.textRect;  // DrawTextW takes a writable rectangle
  DrawTextW(dc, baseline.text, -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, previousFont);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  switch (message) {
    case WM_CREATE:
      PlaceText(window, StateOf(window));
      OnTick(window, StateOf(window));
      SetTimer(window, kTickTimerId, kTickMilliseconds, nullptr);
      return 0;
    case WM_TIMER:
      if (wParam == kTickTimerId) OnTick(window, StateOf(window));
      return 0;
    case WM_PAINT:
      OnPaint(window, StateOf(window));
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kTickTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Baseline baseline;
  baseline.font = CreateFontW(kTextHeightPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"QuillbayBaselineWindow";
  if (RegisterClassExW(&windowClass) == 0) return 1;

  HWND window =
      CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"Baseline", WS_POPUP | WS_VISIBLE,
                      0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                      nullptr, instance, &baseline);
  if (window == nullptr) return 1;

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(baseline.font);
  return static_cast<int>(message.wParam);
}
