#pragma once

#include <string>

#include "platform/ui/geometry.h"

namespace quillbay {

// Lays out one control of a window definition: its rectangle in twips (relative to its frame
// when it has one) and its place in the tab order.
template <class Control>
Control& Lay(Control& control, const ui::Rect& bounds, int tabIndex) {
  control.SetBounds(bounds);
  control.SetTabIndex(tabIndex);
  return control;
}

// The same for a control that shows a caption.
template <class Control>
Control& Lay(Control& control, std::string caption, const ui::Rect& bounds, int tabIndex) {
  control.SetCaption(std::move(caption));
  return Lay(control, bounds, tabIndex);
}

}  // namespace quillbay
