#include "platform/win32/control_traits.h"

#include "platform/ui/frame.h"
#include "platform/ui/label.h"

namespace quillbay::win32 {

using ui::ControlKind;

bool IsWindowless(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::Shape:
    case ControlKind::Line:
    case ControlKind::Image:
      return true;
    case ControlKind::Label:
      return static_cast<const ui::Label&>(control).Transparent();
    default:
      return false;
  }
}

bool HasChildWindow(const ui::Control& control) {
  return control.Kind() != ControlKind::Timer && !IsWindowless(control);
}

bool TakesFocus(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::TextBox:
    case ControlKind::DropDownList:
    case ControlKind::ListBox:
    case ControlKind::HScrollBar:
    case ControlKind::DriveList:
    case ControlKind::DirectoryList:
    case ControlKind::FileList:
      return true;
    default:
      return false;
  }
}

bool ShownInWindow(const ui::Control& control) {
  for (const ui::Control* at = &control; at; at = at->Container()) {
    if (!at->Visible()) return false;
  }
  return true;
}

bool EnabledInWindow(const ui::Control& control) {
  for (const ui::Control* at = &control; at; at = at->Container()) {
    if (!at->Enabled()) return false;
  }
  return true;
}

}  // namespace quillbay::win32
