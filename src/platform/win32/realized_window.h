#pragma once

#include <windows.h>

#include <deque>
#include <vector>

#include "platform/ui/window.h"
#include "platform/win32/canvas.h"
#include "platform/win32/child_controls.h"
#include "platform/win32/window_resources.h"

namespace quillbay::win32 {

// One window model realised as a top-level window of the program's class: child windows for
// the controls that have one, its own painting for the rest (background, drawings, shapes,
// lines, the icon, transparent labels), and the model's state mirrored through the peer.
//
// Painting is flicker-free and keeps no full-screen bitmap: a paint composes the damaged part
// band by band in a scratch canvas (background colour, the drawings that cross the band, the
// windowless controls over them) and puts each band on the screen in one blit. A change
// invalidates only what it touched, and a window paints at most once a frame.
//
// Calls into the models may close the window; from then on it only lets messages pass to the
// system. The window system deletes it once no call into it is running (InUse).
class RealizedWindow final : public ui::WindowPeer {
 public:
  RealizedWindow(ui::Window& model, WindowResources& resources, HWND owner);
  ~RealizedWindow() override;
  RealizedWindow(const RealizedWindow&) = delete;
  RealizedWindow& operator=(const RealizedWindow&) = delete;

  HWND Handle() const { return window_; }
  ui::Window& Model() const { return model_; }
  bool IsDestroyed() const { return destroyed_; }
  bool InUse() const { return busy_ > 0; }

  // Shows the window, active, with the focus on the model's focused control or else on the
  // first control in tab order.
  void Show();
  void MakeTopmost();
  void Destroy();
  // A key the window sees before its controls do (key preview).
  void PreviewKey(int keyCode);

  void WindowChanged(ui::Change change) override;
  void ControlChanged(ui::Control& control, ui::Change change) override;

  // For the window procedures.
  void Attach(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnChildFocus(HWND child);

 private:
  struct Site {
    ui::Control* control = nullptr;
    int id = 0;
    HWND child = nullptr;  // null for windowless controls and timers
    ChildState childState;
    RECT painted{};  // windowless: what it covers on the screen now
    bool timerSet = false;
    bool ticking = false;
  };

  // Counts a call that is running inside the window, so that it is not deleted under it.
  class BusyScope {
   public:
    explicit BusyScope(int& busy) : busy_(busy) { ++busy_; }
    ~BusyScope() { --busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    int& busy_;
  };

  bool CoversScreen() const;
  DWORD Style() const;
  DWORD ExStyle() const;
  RECT OuterRect() const;

  Site& AddSite(ui::Control& control);
  void RealizeSite(Site& site);
  void KeepFramesBelow();
  void RealizeLabelAgainIfKindChanged(Site& site);
  Site* Find(const ui::Control& control);
  Site* FindChild(HWND child);
  Site* FindId(int id);
  HWND InitialFocus();

  void MirrorControl(Site& site, ui::Change change);
  void MirrorTimer(Site& site);
  void MirrorFocus(Site& site);
  void RefreshWindowless(Site& site);
  void MirrorDrawings();
  void MirrorBackColor();
  void ApplyPointerNow();
  void Reposition();

  void FitCanvases();
  void Paint();
  void OnFrameDue();
  void PaintArea(HDC target, const RECT& area);

  void OnCommand(HWND child, WORD notification);
  void OnScroll(HWND child, WORD request, WORD thumb);
  void OnTimer(int id);
  void OnMouseDown(POINT point);
  LRESULT OnControlColor(HDC dc, HWND child, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultButton();

  ui::Window& model_;
  WindowResources& resources_;
  HWND window_ = nullptr;
  std::deque<Site> sites_;  // tab order; a deque keeps each site in place as sites are added
  int nextId_;
  // A band of the client area, as wide as the window: a paint composes its picture there band
  // by band (background, drawings, windowless controls) and blits each band once, so nothing
  // flickers and no full-screen bitmap is kept.
  Canvas compose_;
  std::vector<RECT> drawingAreas_;  // the pixels each drawing of the model may touch
  DWORD lastFrame_ = 0;              // GetTickCount of the last paint
  GdiObject<HRGN> pendingDamage_;    // what a skipped frame left to paint
  BrushHandle backBrush_;
  HWND focusChild_ = nullptr;
  bool mirroring_ = false;  // setting a child's state: its notifications are no user action
  bool destroyed_ = false;
  int busy_ = 0;
};

}  // namespace quillbay::win32
