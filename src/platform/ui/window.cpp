#include "platform/ui/window.h"

#include <algorithm>

#include "platform/ui/control.h"
#include "platform/ui/window_system.h"

namespace quillbay::ui {

Window::Window(WindowSystem& system, std::string name) : system_(system), name_(std::move(name)) {}

Window::~Window() {
  if (loaded_ && !closed_) system_.Destroy(*this);
}

void Window::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify(Change::Caption);
}

void Window::SetClientBounds(const Rect& bounds) {
  clientBounds_ = bounds;
  Notify(Change::Bounds);
}

void Window::SetBackColor(Color color) {
  backColor_ = color;
  drawings_.clear();
  Notify(Change::BackColor);
}

void Window::SetPointer(MousePointer pointer) {
  pointer_ = pointer;
  Notify(Change::MousePointer);
}

void Window::SetDrawFontSize(double points) { drawFont_.points = points; }

void Window::DrawText(const std::string& text) {
  drawings_.push_back(TextDrawing{text, drawPosition_, drawFont_, drawColor_});
  Notify(Change::Drawings);
}

void Window::DrawCircle(Point centre, double radius, Color color) {
  drawings_.push_back(CircleDrawing{centre, radius, color});
  Notify(Change::Drawings);
}

void Window::ClearDrawings() {
  drawings_.clear();
  Notify(Change::Drawings);
}

void Window::Load() {
  if (loaded_) return;
  loaded_ = true;
  closed_ = false;
  system_.Realize(*this);
  OnLoad();
}

void Window::ShowModal() {
  Load();
  if (IsOpen()) system_.RunModal(*this);
}

void Window::Show() {
  Load();
  if (IsOpen()) system_.Show(*this);
}

void Window::Unload() {
  if (!IsOpen()) return;
  closed_ = true;
  OnUnload();
  system_.Destroy(*this);
  peer_ = nullptr;
  loaded_ = false;
}

void Window::PressKey(int keyCode) {
  if (onKeyDown) onKeyDown(keyCode);
}

void Window::Click() {
  if (onClick) onClick();
}

void Window::RegisterControl(Control& control) { controls_.push_back(&control); }

void Window::UnregisterControl(Control& control) {
  std::erase(controls_, &control);
  if (focused_ == &control) focused_ = nullptr;
}

void Window::NotifyControl(Control& control, Change change) {
  if (peer_) peer_->ControlChanged(control, change);
}

void Window::SetFocusedControl(Control* control) {
  focused_ = control;
  if (control) NotifyControl(*control, Change::Focus);
}

void Window::Notify(Change change) {
  if (peer_) peer_->WindowChanged(change);
}

}  // namespace quillbay::ui
