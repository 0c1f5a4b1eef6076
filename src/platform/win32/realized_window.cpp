#include "platform/win32/realized_window.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/timer.h"
#include "platform/win32/child_actions.h"
#include "platform/win32/control_traits.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "platform/win32/window_painting.h"

namespace quillbay::win32 {

namespace {

// Above IDOK and IDCANCEL, which the dialog keys (Enter, Esc) send for buttons this window
// does not have.
constexpr int kFirstControlId = 100;
// An update region of more pieces than this is painted as its bounding rectangle.
constexpr DWORD kMostPaintedPieces = 32;
// Rows of the band a paint composes at a time: 0.5 MB at 1920 pixels wide.
constexpr LONG kBandHeight = 64;
// A window whose labels change on every tick of a 1 ms timer would repaint at the timer's rate;
// painting at most once a frame keeps the work to what a screen can show. The timer that brings
// back the damage of a skipped frame has an id below those of the controls.
constexpr DWORD kFrameMilliseconds = 33;
constexpr UINT_PTR kFrameTimerId = 1;

// The order the keyboard visits the controls in: by tab index, then the controls without one
// in the order they were declared.
std::vector<ui::Control*> TabOrder(const std::vector<ui::Control*>& controls) {
  std::vector<ui::Control*> ordered = controls;
  const auto position = [](const ui::Control* control) {
    return control->TabIndex() < 0 ? INT_MAX : control->TabIndex();
  };
  std::stable_sort(ordered.begin(), ordered.end(), [&](const ui::Control* a, const ui::Control* b) {
    return position(a) < position(b);
  });
  return ordered;
}

std::vector<RECT> PiecesOf(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size == 0) return {};
  std::vector<BYTE> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (GetRegionData(region, size, data) == 0) return {};
  const auto* pieces = reinterpret_cast<const RECT*>(data->Buffer);
  return {pieces, pieces + data->rdh.nCount};
}

// Sets a flag for one scope and puts the previous value back.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = previous_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace

RealizedWindow::RealizedWindow(ui::Window& model, WindowResources& resources, HWND owner)
    : model_(model),
      resources_(resources),
      nextId_(kFirstControlId),
      backBrush_(CreateSolidBrush(ToColorRef(model.BackColor()))) {
  BusyScope busy(busy_);
  const RECT outer = OuterRect();
  window_ =
      CreateWindowExW(ExStyle(), WindowClassName(), Widen(model_.Caption()).c_str(), Style(),
                      outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                      owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) {
    destroyed_ = true;  // no display: nothing to mirror, nothing to show
    return;
  }
  if (resources_.programIcon) {
    const auto icon = reinterpret_cast<LPARAM>(resources_.programIcon);
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon);
  }
  FitCanvases();
  for (ui::Control* control : TabOrder(model_.Controls())) AddSite(*control);
}

RealizedWindow::~RealizedWindow() {
  Destroy();
}

bool RealizedWindow::CoversScreen() const {
  return model_.Border() == ui::BorderStyle::None && model_.State() == ui::WindowState::Maximized;
}

// No system menu: the dialogs have no control menu and no close, minimize or maximize box.
DWORD RealizedWindow::Style() const {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  if (model_.Border() != ui::BorderStyle::None) style |= WS_CAPTION;
  return style;
}

DWORD RealizedWindow::ExStyle() const {
  return model_.Border() == ui::BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
}

RECT RealizedWindow::OuterRect() const {
  if (CoversScreen()) {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  RECT outer = resources_.scale.ToPixels(model_.ClientBounds());
  AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
  return outer;
}

RealizedWindow::Site& RealizedWindow::AddSite(ui::Control& control) {
  Site& site = sites_.emplace_back();
  site.control = &control;
  site.id = nextId_++;
  RealizeSite(site);
  return site;
}

void RealizedWindow::RealizeSite(Site& site) {
  const ui::Control& control = *site.control;
  if (HasChildWindow(control)) {
    site.child = CreateChildWindow(window_, control, site.id, TakesFocus(control), resources_);
    if (!site.child) return;
    WatchChildWindow(site.child, *this);
    FlagScope mirroring(mirroring_);
    MirrorAll(site.child, control, site.childState, resources_);
    KeepFramesBelow();
  } else if (IsWindowless(control)) {
    site.painted = WindowlessArea(control, resources_);
    InvalidateRect(window_, &site.painted, FALSE);
  } else if (control.Kind() == ui::ControlKind::Timer) {
    MirrorTimer(site);
  }
}

// A group box stays below the controls it holds, whatever was created after it.
void RealizedWindow::KeepFramesBelow() {
  for (const Site& site : sites_) {
    if (site.child && site.control->Kind() == ui::ControlKind::Frame) {
      SetWindowPos(site.child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

// A label's background can be made transparent without a change of its own; its realisation
// follows whenever the label is next looked at.
void RealizedWindow::RealizeLabelAgainIfKindChanged(Site& site) {
  if (site.control->Kind() != ui::ControlKind::Label) return;
  if (IsWindowless(*site.control) == (site.child == nullptr)) return;
  if (site.child) {
    if (focusChild_ == site.child) focusChild_ = nullptr;
    DestroyWindow(site.child);
    site.child = nullptr;
    site.childState = {};
  } else {
    InvalidateRect(window_, &site.painted, FALSE);
  }
  RealizeSite(site);
}

RealizedWindow::Site* RealizedWindow::Find(const ui::Control& control) {
  for (Site& site : sites_) {
    if (site.control == &control) return &site;
  }
  return nullptr;
}

RealizedWindow::Site* RealizedWindow::FindChild(HWND child) {
  if (!child) return nullptr;
  for (Site& site : sites_) {
    if (site.child == child) return &site;
  }
  return nullptr;
}

RealizedWindow::Site* RealizedWindow::FindId(int id) {
  for (Site& site : sites_) {
    if (site.id == id) return &site;
  }
  return nullptr;
}

HWND RealizedWindow::InitialFocus() {
  const auto focusable = [](const Site& site) {
    return site.child && TakesFocus(*site.control) && ShownInWindow(*site.control) &&
           EnabledInWindow(*site.control);
  };
  if (const ui::Control* wanted = model_.FocusedControl()) {
    if (const Site* site = Find(*wanted); site && focusable(*site)) return site->child;
  }
  for (const Site& site : sites_) {
    if (focusable(site)) return site.child;
  }
  return nullptr;
}

void RealizedWindow::Show() {
  if (destroyed_) return;
  BusyScope busy(busy_);
  // Alignment and transparency of labels have no changes of their own; take them now.
  for (Site& site : sites_) {
    RealizeLabelAgainIfKindChanged(site);
    if (site.child && site.control->Kind() == ui::ControlKind::Label) {
      MirrorControl(site, ui::Change::Caption);
    }
  }
  focusChild_ = InitialFocus();
  const bool maximized = model_.State() == ui::WindowState::Maximized && !CoversScreen();
  ShowWindow(window_, maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(focusChild_ ? focusChild_ : window_);
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

void RealizedWindow::MakeTopmost() {
  if (destroyed_) return;
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void RealizedWindow::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  for (Site& site : sites_) {
    if (site.timerSet) KillTimer(window_, static_cast<UINT_PTR>(site.id));
  }
  DestroyWindow(window_);
}

void RealizedWindow::PreviewKey(int keyCode) {
  if (destroyed_) return;
  BusyScope busy(busy_);
  model_.PressKey(keyCode);
}

void RealizedWindow::WindowChanged(ui::Change change) {
  if (destroyed_) return;
  BusyScope busy(busy_);
  switch (change) {
    case ui::Change::Caption:
      SetWindowTextW(window_, Widen(model_.Caption()).c_str());
      break;
    case ui::Change::Bounds:
      Reposition();
      break;
    case ui::Change::BackColor:
      MirrorBackColor();
      break;
    case ui::Change::Drawings:
      MirrorDrawings();
      break;
    case ui::Change::MousePointer:
      ApplyPointerNow();
      break;
    default:
      break;
  }
}

void RealizedWindow::ControlChanged(ui::Control& control, ui::Change change) {
  if (destroyed_) return;
  BusyScope busy(busy_);
  Site* site = Find(control);
  if (!site) {
    AddSite(control);  // a control added after the window was realised
    return;
  }
  RealizeLabelAgainIfKindChanged(*site);
  MirrorControl(*site, change);
}

void RealizedWindow::MirrorControl(Site& site, ui::Change change) {
  if (change == ui::Change::Timer) return MirrorTimer(site);
  if (change == ui::Change::Focus) return MirrorFocus(site);
  if (site.child) {
    FlagScope mirroring(mirroring_);
    MirrorChild(site.child, *site.control, change, site.childState, resources_);
  } else if (IsWindowless(*site.control)) {
    RefreshWindowless(site);
  }
  // What a frame holds moves, shows and enables with it.
  const bool carried = change == ui::Change::Bounds || change == ui::Change::Visible ||
                       change == ui::Change::Enabled;
  if (site.control->Kind() == ui::ControlKind::Frame && carried) {
    for (Site& inner : sites_) {
      if (inner.control->Container() == static_cast<const ui::Control*>(site.control)) {
        MirrorControl(inner, change);
      }
    }
  }
}

void RealizedWindow::MirrorTimer(Site& site) {
  const auto& timer = static_cast<const ui::Timer&>(*site.control);
  const auto id = static_cast<UINT_PTR>(site.id);
  if (timer.Running()) {
    SetTimer(window_, id, static_cast<UINT>(timer.Interval()), nullptr);
    site.timerSet = true;
  } else if (site.timerSet) {
    KillTimer(window_, id);
    site.timerSet = false;
  }
}

void RealizedWindow::MirrorFocus(Site& site) {
  if (!site.child || !TakesFocus(*site.control)) return;
  focusChild_ = site.child;
  // A hidden window takes the focus when it is shown.
  if (IsWindowVisible(window_) && GetFocus() != site.child) SetFocus(site.child);
}

void RealizedWindow::RefreshWindowless(Site& site) {
  InvalidateRect(window_, &site.painted, FALSE);
  site.painted = WindowlessArea(*site.control, resources_);
  InvalidateRect(window_, &site.painted, FALSE);
}

// Drawings are only ever added one after another or cleared all at once, so only the new ones,
// or the whole window, need painting.
void RealizedWindow::MirrorDrawings() {
  const std::vector<ui::Drawing>& drawings = model_.Drawings();
  if (drawings.size() < drawingAreas_.size()) {
    drawingAreas_.clear();
    InvalidateRect(window_, nullptr, FALSE);
  }
  while (drawingAreas_.size() < drawings.size()) {
    drawingAreas_.push_back(DrawingArea(drawings[drawingAreas_.size()], resources_));
    InvalidateRect(window_, &drawingAreas_.back(), FALSE);
  }
}

void RealizedWindow::MirrorBackColor() {
  backBrush_.Reset(CreateSolidBrush(ToColorRef(model_.BackColor())));
  drawingAreas_.clear();  // a new background erases the drawings
  // Labels, check boxes and frames take the window's colour as their background.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The hourglass shows at once, even when the caller goes on working without letting messages
// run; the default pointer comes back the way the window under the mouse chooses it.
void RealizedWindow::ApplyPointerNow() {
  POINT at{};
  if (!GetCursorPos(&at)) return;
  HWND under = WindowFromPoint(at);
  if (!under || (under != window_ && !IsChild(window_, under))) return;
  if (model_.Pointer() == ui::MousePointer::Hourglass) {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  } else {
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  }
}

void RealizedWindow::Reposition() {
  if (CoversScreen()) return;
  const RECT outer = OuterRect();
  SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RealizedWindow::FitCanvases() {
  RECT client{};
  GetClientRect(window_, &client);
  const SIZE band{std::max<LONG>(client.right, 1),
                  std::clamp<LONG>(client.bottom, 1, kBandHeight)};
  const SIZE now = compose_.Size();
  if (compose_.Dc() && now.cx == band.cx && now.cy == band.cy) return;
  compose_.Resize(band);
}

void RealizedWindow::Paint() {
  const DWORD now = GetTickCount();
  if (now - lastFrame_ < kFrameMilliseconds) {
    // Too soon: keep the damage for the next frame and validate it for now, or the system would
    // send this paint again at once.
    GdiObject<HRGN> damaged(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(window_, damaged.Get(), FALSE);
    if (!pendingDamage_.Get()) pendingDamage_ = GdiObject<HRGN>(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(pendingDamage_.Get(), pendingDamage_.Get(), damaged.Get(), RGN_OR);
    ValidateRgn(window_, damaged.Get());
    SetTimer(window_, kFrameTimerId, kFrameMilliseconds - (now - lastFrame_), nullptr);
    return;
  }
  lastFrame_ = now;
  OnFrameDue();  // what skipped frames left is painted with this one
  GdiObject<HRGN> damaged(CreateRectRgn(0, 0, 0, 0));
  const int shape = GetUpdateRgn(window_, damaged.Get(), FALSE);
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  std::vector<RECT> pieces;
  if (shape == COMPLEXREGION) pieces = PiecesOf(damaged.Get());
  if (pieces.empty() || pieces.size() > kMostPaintedPieces) pieces = {paint.rcPaint};
  for (const RECT& piece : pieces) PaintArea(dc, piece);
  EndPaint(window_, &paint);
}

void RealizedWindow::OnFrameDue() {
  KillTimer(window_, kFrameTimerId);
  if (!pendingDamage_.Get()) return;
  InvalidateRgn(window_, pendingDamage_.Get(), FALSE);
  pendingDamage_ = GdiObject<HRGN>();
}

void RealizedWindow::PaintArea(HDC target, const RECT& area) {
  RECT client{};
  GetClientRect(window_, &client);
  RECT part{};
  if (!compose_.Dc() || !IntersectRect(&part, &area, &client)) return;
  HDC compose = compose_.Dc();
  const LONG bandHeight = compose_.Size().cy;
  for (LONG top = part.top; top < part.bottom; top += bandHeight) {
    const RECT band{part.left, top, part.right, std::min(part.bottom, top + bandHeight)};
    // The band's origin moves with it, so everything paints in client coordinates.
    SetViewportOrgEx(compose, 0, -top, nullptr);
    FillRect(compose, &band, backBrush_.Get());
    RECT overlap{};
    const std::vector<ui::Drawing>& drawings = model_.Drawings();
    for (size_t i = 0; i < drawingAreas_.size() && i < drawings.size(); ++i) {
      if (IntersectRect(&overlap, &drawingAreas_[i], &band)) {
        PaintDrawing(compose, drawings[i], resources_);
      }
    }
    // In declaration order: a later control stands over an earlier one.
    for (ui::Control* control : model_.Controls()) {
      const Site* site = Find(*control);
      if (!site || site->child || !IsWindowless(*control) || !ShownInWindow(*control) ||
          !IntersectRect(&overlap, &site->painted, &band)) {
        continue;
      }
      PaintWindowless(compose, *control, resources_);
    }
    SetViewportOrgEx(compose, 0, 0, nullptr);
    BitBlt(target, band.left, band.top, band.right - band.left, band.bottom - band.top, compose,
           band.left, 0, SRCCOPY);
  }
}

LRESULT RealizedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  BusyScope busy(busy_);
  HWND window = window_;
  if (message == WM_NCDESTROY) window_ = nullptr;
  if (destroyed_ || !window_) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT all{};
      GetClientRect(window_, &all);
      PaintArea(reinterpret_cast<HDC>(wParam), all);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_SIZE:
      FitCanvases();
      return 0;
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_HSCROLL:
      OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      if (wParam == kFrameTimerId) {
        OnFrameDue();
      } else {
        OnTimer(static_cast<int>(wParam));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message,
                            wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnMouseDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_SETCURSOR:
      if (model_.Pointer() == ui::MousePointer::Hourglass) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      // The focused control gets the focus back when the window is active again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focusChild_ = focus;
      }
      break;
    case WM_SETFOCUS:
      if (focusChild_ && IsWindow(focusChild_) && IsWindowVisible(focusChild_) &&
          IsWindowEnabled(focusChild_)) {
        SetFocus(focusChild_);
      }
      return 0;
    case WM_CLOSE:
      model_.Unload();
      return 0;  // Alt+F4 closes the window the model's way
    case DM_GETDEFID:
      return DefaultButton();
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void RealizedWindow::OnChildFocus(HWND child) {
  if (destroyed_) return;
  BusyScope busy(busy_);
  Site* site = FindChild(child);
  if (!site) return;
  focusChild_ = child;
  if (model_.FocusedControl() != site->control) model_.SetFocusedControl(site->control);
}

void RealizedWindow::OnCommand(HWND child, WORD notification) {
  Site* site = FindChild(child);
  // Without a child: Enter or Esc asking for a default or cancel button, which no window has.
  if (!site || mirroring_) return;
  ui::Control& control = *site->control;
  ActOnCommand(control, child, notification);
  if (destroyed_ || !IsList(control)) return;
  // The list shows what the model took, also when it refused the user's choice; an open
  // drop-down list is left alone while the user moves through it.
  const bool openDropDown = (control.Kind() == ui::ControlKind::DropDownList ||
                             control.Kind() == ui::ControlKind::DriveList) &&
                            SendMessageW(child, CB_GETDROPPEDSTATE, 0, 0) != 0;
  if (!openDropDown || notification == CBN_SELENDCANCEL) {
    FlagScope mirroring(mirroring_);
    MirrorChild(child, control, ui::Change::Selection, site->childState, resources_);
  }
}

void RealizedWindow::OnScroll(HWND child, WORD request, WORD thumb) {
  if (Site* site = FindChild(child)) ActOnScroll(*site->control, request, thumb);
}

// A tick that lets messages run (the time-signal flash) does not start the same timer's tick
// again inside itself.
void RealizedWindow::OnTimer(int id) {
  Site* site = FindId(id);
  if (!site || site->control->Kind() != ui::ControlKind::Timer || site->ticking) return;
  site->ticking = true;
  static_cast<ui::Timer&>(*site->control).Tick();
  if (!destroyed_) site->ticking = false;
}

// A click on a transparent label is the label's; anywhere else on the window it is the window's.
void RealizedWindow::OnMouseDown(POINT point) {
  const std::vector<ui::Control*>& controls = model_.Controls();
  for (auto at = controls.rbegin(); at != controls.rend(); ++at) {
    ui::Control& control = **at;
    if (control.Kind() != ui::ControlKind::Label || !IsWindowless(control) ||
        !ShownInWindow(control)) {
      continue;
    }
    const Site* site = Find(control);
    if (site && PtInRect(&site->painted, point)) {
      static_cast<ui::Label&>(control).Click();
      return;
    }
  }
  model_.Click();
}

LRESULT RealizedWindow::OnControlColor(HDC dc, HWND child, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
  const Site* site = FindChild(child);
  if (!site || site->control->Kind() == ui::ControlKind::TextBox) {
    return DefWindowProcW(window_, message, wParam, lParam);
  }
  const bool label = site->control->Kind() == ui::ControlKind::Label;
  SetTextColor(dc, label ? ToColorRef(static_cast<const ui::Label&>(*site->control).ForeColor())
                         : GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, ToColorRef(model_.BackColor()));
  return reinterpret_cast<LRESULT>(backBrush_.Get());
}

// Enter presses the focused button; no button is the default otherwise.
LRESULT RealizedWindow::DefaultButton() {
  const Site* site = FindChild(GetFocus());
  if (site && site->control->Kind() == ui::ControlKind::CommandButton) {
    return MAKELRESULT(site->id, DC_HASDEFID);
  }
  return 0;
}

}  // namespace quillbay::win32
