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

// Whether the control is a list or drop-down list, whose selection the window mirrors back
// after every user action.
bool IsList(const ui::Control& control);

}  // namespace quillbay::win32
