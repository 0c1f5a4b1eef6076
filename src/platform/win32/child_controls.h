#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ui/change.h"
#include "platform/ui/control.h"
#include "platform/win32/window_resources.h"

namespace quillbay::win32 {

// What a child window shows beyond its window text: the lines of a list, kept so that a model
// that adds one entry at a time costs one inserted line instead of a refill.
struct ChildState {
  std::vector<std::string> shownItems;
};

// Creates the hidden child window that realises `control` (see HasChildWindow); MirrorAll then
// gives it the model's state.
HWND CreateChildWindow(HWND parent, const ui::Control& control, int id, bool tabStop,
                       WindowResources& resources);

// Mirrors one property of a model into its child window.
void MirrorChild(HWND child, const ui::Control& control, ui::Change change, ChildState& state,
                 WindowResources& resources);
void MirrorAll(HWND child, const ui::Control& control, ChildState& state,
               WindowResources& resources);

// Answers WM_PAINT for a watched child window when it is a group box: the box is painted over
// the background its parent gives it (WM_CTLCOLORSTATIC), as it leaves the band beside its
// caption unpainted itself. False for any other window.
bool PaintGroupBox(HWND box);

// Whether the control is a list or drop-down list, whose selection the window mirrors back
// after every user action.
bool IsList(const ui::Control& control);

}  // namespace quillbay::win32
