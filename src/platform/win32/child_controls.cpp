#include "platform/win32/child_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/directory_list.h"
#include "platform/ui/drive_list.h"
#include "platform/ui/drop_down_list.h"
#include "platform/ui/frame.h"
#include "platform/ui/h_scroll_bar.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"
#include "platform/win32/control_traits.h"
#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

using ui::ControlKind;

// The open list of a drop-down list, below its selection field, in pixels at 96 DPI.
constexpr int kDropDownHeight = 160;
// Each level of the directory tree is indented by this many blanks.
constexpr size_t kIndentPerLevel = 2;

struct ChildClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

DWORD LabelAlignment(const ui::Label& label) {
  return label.Align() == ui::Alignment::Center ? SS_CENTER : SS_LEFTNOWORDWRAP;
}

ChildClass ClassOf(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::CommandButton:
      return {L"BUTTON", BS_PUSHBUTTON, 0};
    // Not an automatic box: the model decides the state and the window mirrors it.
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_CHECKBOX, 0};
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::TextBox:
      return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
    case ControlKind::DriveList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    // Not sorted by the window: a sorted model has sorted its entries already.
    case ControlKind::ListBox:
    case ControlKind::FileList:
    case ControlKind::DirectoryList:
      return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::HScrollBar:
      return {L"SCROLLBAR", SBS_HORZ, 0};
    case ControlKind::Label:
      return {L"STATIC",
              SS_NOTIFY | SS_NOPREFIX | LabelAlignment(static_cast<const ui::Label&>(control)), 0};
    default:
      return {L"STATIC", 0, 0};
  }
}

HFONT FontOf(const ui::Control& control, WindowResources& resources) {
  if (control.Kind() == ControlKind::Label) {
    return resources.fonts.Get(static_cast<const ui::Label&>(control).GetFont());
  }
  return resources.fonts.DialogFont();
}

const std::string* CaptionOf(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::CommandButton:
      return &static_cast<const ui::CommandButton&>(control).Caption();
    case ControlKind::CheckBox:
      return &static_cast<const ui::CheckBox&>(control).Caption();
    case ControlKind::Frame:
      return &static_cast<const ui::Frame&>(control).Caption();
    case ControlKind::Label:
      return &static_cast<const ui::Label&>(control).Caption();
    default:
      return nullptr;
  }
}

bool IsComboBox(const ui::Control& control) {
  return control.Kind() == ControlKind::DropDownList || control.Kind() == ControlKind::DriveList;
}

// The group box paints only its edge and caption; the window paints what lies inside it
// (shapes in a frame), so the box's own area is cut down to that edge.
void ClipGroupBoxToEdge(HWND box, HFONT font) {
  RECT client{};
  GetClientRect(box, &client);
  TEXTMETRICW metrics{};
  if (HDC dc = GetDC(box)) {
    SelectedObject selected(dc, font);
    GetTextMetricsW(dc, &metrics);
    ReleaseDC(box, dc);
  }
  constexpr int kEdge = 2;
  const int top = metrics.tmHeight;
  if (client.right <= 2 * kEdge || client.bottom <= top + kEdge) {
    SetWindowRgn(box, nullptr, TRUE);
    return;
  }
  HRGN edge = CreateRectRgn(0, 0, client.right, client.bottom);
  GdiObject<HRGN> inside(CreateRectRgn(kEdge, top, client.right - kEdge, client.bottom - kEdge));
  CombineRgn(edge, edge, inside.Get(), RGN_DIFF);
  SetWindowRgn(box, edge, TRUE);  // the window owns the region from here on
}

// A label keeps its place; a caption wider than the label in this system's font widens it
// (to the right, or to both sides when centred) rather than losing letters.
void WidenLabelToItsText(RECT& area, const ui::Label& label, WindowResources& resources) {
  const LONG shortfall =
      resources.fonts.MeasureText(label.GetFont(), label.Caption()).cx - (area.right - area.left);
  if (shortfall <= 0) return;
  if (label.Align() == ui::Alignment::Center) {
    area.left -= shortfall / 2;
    area.right += shortfall - shortfall / 2;
  } else {
    area.right += shortfall;
  }
}

void MirrorBounds(HWND child, const ui::Control& control, WindowResources& resources) {
  RECT area = resources.scale.ToPixels(control.WindowBounds());
  if (IsComboBox(control)) {
    area.bottom += MulDiv(kDropDownHeight, resources.scale.DotsPerInchY(), 96);
  }
  if (control.Kind() == ControlKind::Label) {
    WidenLabelToItsText(area, static_cast<const ui::Label&>(control), resources);
  }
  SetWindowPos(child, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (control.Kind() == ControlKind::Frame) {
    ClipGroupBoxToEdge(child, resources.fonts.DialogFont());
  }
}

void MirrorCaption(HWND child, const ui::Control& control, WindowResources& resources) {
  const std::string* caption = CaptionOf(control);
  if (!caption) return;
  if (control.Kind() == ControlKind::Label) {
    // The alignment has no change of its own; it is taken along with the caption.
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    const DWORD aligned =
        (style & ~SS_TYPEMASK) | LabelAlignment(static_cast<const ui::Label&>(control));
    if (aligned != style) SetWindowLongPtrW(child, GWL_STYLE, static_cast<LONG_PTR>(aligned));
  }
  SetWindowTextW(child, Widen(*caption).c_str());
  if (control.Kind() == ControlKind::Label) MirrorBounds(child, control, resources);
  if (control.Kind() == ControlKind::Frame) {
    ClipGroupBoxToEdge(child, resources.fonts.DialogFont());
  }
}

void MirrorValue(HWND child, const ui::Control& control) {
  if (control.Kind() == ControlKind::CheckBox) {
    const bool checked = static_cast<const ui::CheckBox&>(control).Checked();
    SendMessageW(child, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  } else if (control.Kind() == ControlKind::HScrollBar) {
    const auto& bar = static_cast<const ui::HScrollBar&>(control);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = bar.Min();
    info.nMax = std::max(bar.Min(), bar.Max());
    info.nPos = bar.Value();
    SetScrollInfo(child, SB_CTL, &info, TRUE);
  }
}

// Each parent one level deeper than the one above it; the subdirectories one below the open one.
std::vector<std::string> DirectoryLines(const ui::DirectoryList& list) {
  std::vector<std::string> lines;
  size_t level = 0;
  for (const ui::DirectoryList::Entry& entry : list.Entries()) {
    lines.push_back(std::string(level * kIndentPerLevel, ' ') + entry.text);
    if (entry.kind != ui::DirectoryList::EntryKind::Child) ++level;
  }
  return lines;
}

std::vector<std::string> ListLines(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::DropDownList:
      return static_cast<const ui::DropDownList&>(control).Items();
    case ControlKind::DriveList:
      return static_cast<const ui::DriveList&>(control).Items();
    case ControlKind::ListBox:
    case ControlKind::FileList:
      return static_cast<const ui::ListBox&>(control).Items();
    case ControlKind::DirectoryList:
      return DirectoryLines(static_cast<const ui::DirectoryList&>(control));
    default:
      return {};
  }
}

int SelectedLine(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::DropDownList:
      return static_cast<const ui::DropDownList&>(control).ListIndex();
    case ControlKind::DriveList:
      return static_cast<const ui::DriveList&>(control).ListIndex();
    case ControlKind::ListBox:
    case ControlKind::FileList:
      return static_cast<const ui::ListBox&>(control).ListIndex();
    case ControlKind::DirectoryList: {
      // The open directory is the one highlighted.
      const auto& entries = static_cast<const ui::DirectoryList&>(control).Entries();
      for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].kind == ui::DirectoryList::EntryKind::Open) return static_cast<int>(i);
      }
      return -1;
    }
    default:
      return -1;
  }
}

struct ListMessages {
  UINT reset;
  UINT add;
  UINT insert;
  UINT select;
};
constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_ADDSTRING, CB_INSERTSTRING, CB_SETCURSEL};
constexpr ListMessages kListMessages{LB_RESETCONTENT, LB_ADDSTRING, LB_INSERTSTRING, LB_SETCURSEL};

void MirrorItems(HWND child, const ui::Control& control, ChildState& state) {
  const ListMessages& messages = IsComboBox(control) ? kComboMessages : kListMessages;
  std::vector<std::string> lines = ListLines(control);
  if (lines == state.shownItems) return;
  std::vector<std::string>& shown = state.shownItems;
  if (lines.size() == shown.size() + 1) {
    const auto differs = std::mismatch(shown.begin(), shown.end(), lines.begin()).second;
    if (std::equal(differs + 1, lines.end(), shown.begin() + (differs - lines.begin()))) {
      SendMessageW(child, messages.insert, static_cast<WPARAM>(differs - lines.begin()),
                   reinterpret_cast<LPARAM>(Widen(*differs).c_str()));
      shown = std::move(lines);
      return;
    }
  }
  SendMessageW(child, WM_SETREDRAW, FALSE, 0);
  SendMessageW(child, messages.reset, 0, 0);
  for (const std::string& line : lines) {
    SendMessageW(child, messages.add, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
  }
  SendMessageW(child, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(child, nullptr, TRUE);
  shown = std::move(lines);
}

void MirrorSelection(HWND child, const ui::Control& control) {
  const ListMessages& messages = IsComboBox(control) ? kComboMessages : kListMessages;
  const int line = SelectedLine(control);
  SendMessageW(child, messages.select, static_cast<WPARAM>(line), 0);
}

void MirrorText(HWND child, const ui::Control& control) {
  if (control.Kind() != ControlKind::TextBox) return;
  const std::wstring text = Widen(static_cast<const ui::TextBox&>(control).Text());
  std::wstring shown(static_cast<size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
  shown.resize(
      static_cast<size_t>(GetWindowTextW(child, shown.data(), static_cast<int>(shown.size()))));
  // Setting the same text again would move the caret while the user types.
  if (shown != text) SetWindowTextW(child, text.c_str());
}

}  // namespace

bool PaintGroupBox(HWND box) {
  wchar_t className[16] = {};
  GetClassNameW(box, className, 16);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE));
  if (_wcsicmp(className, L"Button") != 0 || (style & BS_TYPEMASK) != BS_GROUPBOX) return false;
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(box, &paint);
  const auto background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box), WM_CTLCOLORSTATIC,
                                                                reinterpret_cast<WPARAM>(dc),
                                                                reinterpret_cast<LPARAM>(box)));
  RECT client{};
  GetClientRect(box, &client);
  if (background) FillRect(dc, &client, background);
  DefSubclassProc(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  EndPaint(box, &paint);
  return true;
}

bool IsList(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::DropDownList:
    case ControlKind::DriveList:
    case ControlKind::ListBox:
    case ControlKind::FileList:
    case ControlKind::DirectoryList:
      return true;
    default:
      return false;
  }
}

HWND CreateChildWindow(HWND parent, const ui::Control& control, int id, bool tabStop,
                       WindowResources& resources) {
  const ChildClass childClass = ClassOf(control);
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | childClass.style | (tabStop ? WS_TABSTOP : 0);
  HWND child = CreateWindowExW(childClass.exStyle, childClass.name, L"", style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (child) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control, resources)), FALSE);
  }
  return child;
}

void MirrorChild(HWND child, const ui::Control& control, ui::Change change, ChildState& state,
                 WindowResources& resources) {
  switch (change) {
    case ui::Change::Caption:
      MirrorCaption(child, control, resources);
      break;
    case ui::Change::Bounds:
      MirrorBounds(child, control, resources);
      break;
    case ui::Change::Visible:
      ShowWindow(child, ShownInWindow(control) ? SW_SHOWNA : SW_HIDE);
      break;
    case ui::Change::Enabled:
      EnableWindow(child, EnabledInWindow(control));
      break;
    case ui::Change::Value:
      MirrorValue(child, control);
      break;
    case ui::Change::Items:
      MirrorItems(child, control, state);
      MirrorSelection(child, control);
      break;
    case ui::Change::Selection:
      MirrorSelection(child, control);
      break;
    case ui::Change::Text:
      MirrorText(child, control);
      break;
    case ui::Change::ForeColor:
      InvalidateRect(child, nullptr, TRUE);
      break;
    case ui::Change::Font:
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control, resources)), TRUE);
      if (control.Kind() == ControlKind::Label) MirrorBounds(child, control, resources);
      break;
    default:
      break;
  }
}

void MirrorAll(HWND child, const ui::Control& control, ChildState& state,
               WindowResources& resources) {
  for (const ui::Change change :
       {ui::Change::Font, ui::Change::Caption, ui::Change::Items, ui::Change::Value,
        ui::Change::Text, ui::Change::Bounds, ui::Change::Enabled, ui::Change::Visible}) {
    MirrorChild(child, control, change, state, resources);
  }
}

}  // namespace quillbay::win32
