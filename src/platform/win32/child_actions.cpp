#include "platform/win32/child_actions.h"

#include <string>

#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/directory_list.h"
#include "platform/ui/drive_list.h"
#include "platform/ui/drop_down_list.h"
#include "platform/ui/h_scroll_bar.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"
#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

using ui::ControlKind;

std::string WindowText(HWND child) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

int ListPosition(HWND child, UINT message) {
  return static_cast<int>(SendMessageW(child, message, 0, 0));
}

int ModelPosition(const ui::Control& control) {
  return control.Kind() == ControlKind::DriveList
             ? static_cast<const ui::DriveList&>(control).ListIndex()
             : static_cast<const ui::DropDownList&>(control).ListIndex();
}

void ChooseInComboBox(ui::Control& control, int position) {
  if (control.Kind() == ControlKind::DriveList) {
    static_cast<ui::DriveList&>(control).Select(position);
  } else {
    static_cast<ui::DropDownList&>(control).Select(position);
  }
}

// While the list is open the user is still looking: moving through it is no choice yet. The
// choice is made when the list closes on another entry, or by the keyboard on a closed list.
void ActOnComboBox(ui::Control& control, HWND child, WORD notification) {
  const int position = ListPosition(child, CB_GETCURSEL);
  const bool open = SendMessageW(child, CB_GETDROPPEDSTATE, 0, 0) != 0;
  const bool chosen = (notification == CBN_SELCHANGE && !open) ||
                      (notification == CBN_CLOSEUP && position != ModelPosition(control));
  if (chosen && position >= 0) ChooseInComboBox(control, position);
}

void ActOnListBox(ui::Control& control, HWND child, WORD notification) {
  const int position = ListPosition(child, LB_GETCURSEL);
  if (position < 0) return;
  if (control.Kind() == ControlKind::DirectoryList) {
    if (notification == LBN_DBLCLK) static_cast<ui::DirectoryList&>(control).Open(position);
    return;
  }
  auto& list = static_cast<ui::ListBox&>(control);
  if (notification == LBN_SELCHANGE) list.Select(position);
  if (notification == LBN_DBLCLK) list.DoubleClick(position);
}

}  // namespace

void ActOnCommand(ui::Control& control, HWND child, WORD notification) {
  switch (control.Kind()) {
    case ControlKind::CommandButton:
      if (notification == BN_CLICKED) static_cast<ui::CommandButton&>(control).Click();
      break;
    case ControlKind::CheckBox:
      if (notification == BN_CLICKED) static_cast<ui::CheckBox&>(control).Toggle();
      break;
    case ControlKind::Label:
      if (notification == STN_CLICKED) static_cast<ui::Label&>(control).Click();
      break;
    case ControlKind::TextBox:
      if (notification == EN_CHANGE) static_cast<ui::TextBox&>(control).Type(WindowText(child));
      break;
    case ControlKind::DropDownList:
    case ControlKind::DriveList:
      ActOnComboBox(control, child, notification);
      break;
    case ControlKind::ListBox:
    case ControlKind::FileList:
    case ControlKind::DirectoryList:
      ActOnListBox(control, child, notification);
      break;
    default:
      break;
  }
}

void ActOnScroll(ui::Control& control, WORD request, WORD thumbWord) {
  if (control.Kind() != ControlKind::HScrollBar) return;
  auto& bar = static_cast<ui::HScrollBar&>(control);
  // The message has 16 bits for the position: signed where the range goes below 0.
  const int thumb = bar.Min() < 0 ? static_cast<short>(thumbWord) : thumbWord;
  switch (request) {
    case SB_LINELEFT:
      bar.Scroll(ui::ScrollAction::LineLeft);
      break;
    case SB_LINERIGHT:
      bar.Scroll(ui::ScrollAction::LineRight);
      break;
    case SB_PAGELEFT:
      bar.Scroll(ui::ScrollAction::PageLeft);
      break;
    case SB_PAGERIGHT:
      bar.Scroll(ui::ScrollAction::PageRight);
      break;
    case SB_THUMBTRACK:
      bar.Scroll(ui::ScrollAction::ThumbTrack, thumb);
      break;
    case SB_THUMBPOSITION:
      bar.Scroll(ui::ScrollAction::ThumbPosition, thumb);
      break;
    // Home and End on a focused bar.
    case SB_LEFT:
      bar.Scroll(ui::ScrollAction::ThumbPosition, bar.Min());
      break;
    case SB_RIGHT:
      bar.Scroll(ui::ScrollAction::ThumbPosition, bar.Max());
      break;
    default:
      break;
  }
}

}  // namespace quillbay::win32
