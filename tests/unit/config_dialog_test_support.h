#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/headless/headless_machine.h"
#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/window.h"

namespace quillbay::testing {

// "Check1(4)" for an element of a control array, the plain name otherwise.
inline std::string ControlId(const ui::Control& control) {
  if (control.Index() == ui::kNoIndex) return control.Name();
  return control.Name() + "(" + std::to_string(control.Index()) + ")";
}

inline std::string CaptionOf(const ui::Control& control) {
  if (auto* label = dynamic_cast<const ui::Label*>(&control)) return label->Caption();
  if (auto* button = dynamic_cast<const ui::CommandButton*>(&control)) return button->Caption();
  if (auto* box = dynamic_cast<const ui::CheckBox*>(&control)) return box->Caption();
  if (auto* frame = dynamic_cast<const ui::Frame*>(&control)) return frame->Caption();
  return "";
}

// The controls in tab order as "id caption" (id alone without a caption): what Tab walks
// through and what the user reads.
inline std::vector<std::string> TabOrder(const ui::Window& window) {
  std::vector<const ui::Control*> controls;
  for (const ui::Control* control : window.Controls()) {
    if (control->TabIndex() != ui::kNoTabStop) controls.push_back(control);
  }
  std::ranges::sort(controls, {}, &ui::Control::TabIndex);
  std::vector<std::string> order;
  for (const ui::Control* control : controls) {
    const std::string caption = CaptionOf(*control);
    order.push_back(caption.empty() ? ControlId(*control) : ControlId(*control) + " " + caption);
  }
  return order;
}

inline std::string FocusedId(const ui::Window& window) {
  return window.FocusedControl() ? ControlId(*window.FocusedControl()) : "(none)";
}

using Writes = std::vector<headless::SettingWrite>;

}  // namespace quillbay::testing
