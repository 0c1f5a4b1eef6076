#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/change.h"
#include "platform/ui/color.h"
#include "platform/ui/drawing.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace quillbay::ui {

class Control;
class WindowSystem;

enum class BorderStyle { None, FixedSingle, FixedDialog };
enum class WindowState { Normal, Maximized };
enum class MousePointer { Default, Hourglass };

// The backend's side of one realised window; it mirrors every change of the models.
class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual void WindowChanged(Change change) = 0;
  virtual void ControlChanged(Control& control, Change change) = 0;
};

// The model of a window: its definition, its controls (registered by their constructors), what
// is drawn on it, and the window conventions. Dialogs have no control menu and no minimize or
// maximize box; a form class derives from Window, declares its controls as members and
// overrides OnLoad and OnUnload.
class Window {
 public:
  Window(WindowSystem& system, std::string name);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  WindowSystem& System() const { return system_; }
  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Screen position of the client area's top-left corner and the client area's size.
  const Rect& ClientBounds() const { return clientBounds_; }
  void SetClientBounds(const Rect& bounds);
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border) { border_ = border; }
  WindowState State() const { return state_; }
  void SetState(WindowState state) { state_ = state; }
  // With key preview on, the window sees every key before any control.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
  bool ShowsProgramIcon() const { return showsProgramIcon_; }
  void SetShowsProgramIcon(bool shows) { showsProgramIcon_ = shows; }

  Color BackColor() const { return backColor_; }
  // Repaints the whole background, which erases the drawings.
  void SetBackColor(Color color);
  MousePointer Pointer() const { return pointer_; }
  void SetPointer(MousePointer pointer);

  // Drawing on the window itself, in the window's own font face.
  void SetDrawFontSize(double points);
  void SetDrawColor(Color color) { drawColor_ = color; }
  void SetDrawPosition(Point position) { drawPosition_ = position; }
  const Font& DrawFont() const { return drawFont_; }
  Color DrawColor() const { return drawColor_; }
  Point DrawPosition() const { return drawPosition_; }
  void DrawText(const std::string& text);
  void DrawCircle(Point centre, double radius, Color color);
  void ClearDrawings();
  const std::vector<Drawing>& Drawings() const { return drawings_; }

  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FocusedControl() const { return focused_; }

  bool IsLoaded() const { return loaded_; }
  bool IsOpen() const { return loaded_ && !closed_; }
  // Creates the realisation and runs the load handler, once.
  void Load();
  // Loads the window if needed and waits until it closes.
  void ShowModal();
  // Loads the window if needed and shows it without waiting.
  void Show();
  // Runs the unload handler, destroys the realisation; a modal show returns.
  void Unload();

  // Events the window gets from the user: a key pressed, a click on the background.
  std::function<void(int keyCode)> onKeyDown;
  std::function<void()> onClick;
  void PressKey(int keyCode);
  void Click();

  // For the backend.
  void AttachPeer(WindowPeer* peer) { peer_ = peer; }
  WindowPeer* Peer() const { return peer_; }
  void RegisterControl(Control& control);
  void UnregisterControl(Control& control);
  void NotifyControl(Control& control, Change change);
  void SetFocusedControl(Control* control);

 protected:
  virtual void OnLoad() {}
  virtual void OnUnload() {}

 private:
  void Notify(Change change);

  WindowSystem& system_;
  std::string name_;
  std::string caption_;
  Rect clientBounds_;
  BorderStyle border_ = BorderStyle::FixedSingle;
  WindowState state_ = WindowState::Normal;
  bool keyPreview_ = false;
  bool showsProgramIcon_ = false;
  Color backColor_ = Rgb(0xF0, 0xF0, 0xF0);
  MousePointer pointer_ = MousePointer::Default;
  Font drawFont_;
  Color drawColor_ = kBlack;
  Point drawPosition_;
  std::vector<Drawing> drawings_;
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  WindowPeer* peer_ = nullptr;
  bool loaded_ = false;
  bool closed_ = false;
};

}  // namespace quillbay::ui
