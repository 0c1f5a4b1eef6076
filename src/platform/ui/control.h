#pragma once

#include <functional>
#include <string>

#include "platform/ui/change.h"
#include "platform/ui/geometry.h"

namespace quillbay::ui {

class Window;
class Frame;

enum class ControlKind {
  Label,
  CommandButton,
  CheckBox,
  Frame,
  TextBox,
  DropDownList,
  ListBox,
  HScrollBar,
  Timer,
  Shape,
  Line,
  Image,
  DriveList,
  DirectoryList,
  FileList,
};

inline constexpr int kNoIndex = -1;
inline constexpr int kNoTabStop = -1;

// The model of one control: its state and its event callbacks. Form code only touches models;
// the backend mirrors every change and turns user actions into the same calls a test makes.
// A control registers itself with its window on construction, in declaration order.
class Control {
 public:
  Control(Window& owner, ControlKind kind, std::string name, int index);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& Owner() const { return owner_; }
  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // kNoIndex outside a control array

  // Relative to the containing frame, or to the window's client area.
  const Rect& Bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);
  void Move(double left, double top);
  void SetLeft(double left);
  void SetTop(double top);
  void SetWidth(double width);
  // Relative to the window's client area, whatever frame holds the control.
  Rect WindowBounds() const;

  Frame* Container() const { return container_; }
  void PlaceIn(Frame& frame);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int tabIndex) { tabIndex_ = tabIndex; }
  bool HasFocus() const;
  void SetFocus();

 protected:
  void Notify(Change change);
  // Whether a user can act on the control now: visible and enabled, in an enabled window.
  bool AcceptsInput() const { return visible_ && enabled_; }
  static void Fire(const std::function<void()>& handler) {
    if (handler) handler();
  }

 private:
  Window& owner_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Rect bounds_;
  Frame* container_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  int tabIndex_ = kNoTabStop;
};

}  // namespace quillbay::ui
