#include "platform/ui/control.h"

#include "platform/ui/frame.h"
#include "platform/ui/window.h"

namespace quillbay::ui {

Control::Control(Window& owner, ControlKind kind, std::string name, int index)
    : owner_(owner), kind_(kind), name_(std::move(name)), index_(index) {
  owner_.RegisterControl(*this);
}

Control::~Control() { owner_.UnregisterControl(*this); }

void Control::SetBounds(const Rect& bounds) {
  bounds_ = bounds;
  Notify(Change::Bounds);
}

void Control::Move(double left, double top) {
  bounds_.left = left;
  bounds_.top = top;
  Notify(Change::Bounds);
}

void Control::SetLeft(double left) { Move(left, bounds_.top); }

void Control::SetTop(double top) { Move(bounds_.left, top); }

void Control::SetWidth(double width) {
  bounds_.width = width;
  Notify(Change::Bounds);
}

Rect Control::WindowBounds() const {
  Rect bounds = bounds_;
  if (container_) {
    const Rect frame = container_->WindowBounds();
    bounds.left += frame.left;
    bounds.top += frame.top;
  }
  return bounds;
}

void Control::PlaceIn(Frame& frame) { container_ = &frame; }

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Notify(Change::Visible);
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Notify(Change::Enabled);
}

bool Control::HasFocus() const { return owner_.FocusedControl() == this; }

void Control::SetFocus() { owner_.SetFocusedControl(this); }

void Control::Notify(Change change) { owner_.NotifyControl(*this, change); }

}  // namespace quillbay::ui
