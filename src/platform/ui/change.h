#pragma once

namespace quillbay::ui {

// What changed in a window or control model; a backend mirrors that property.
enum class Change {
  Caption,
  Bounds,
  Visible,
  Enabled,
  Value,      // check state, scroll position
  Items,      // list entries
  Selection,  // list position
  Text,       // text box text
  ForeColor,
  FillColor,
  BackColor,
  Font,
  Timer,      // interval or enabled
  Focus,
  Drawings,   // texts and circles drawn on the window, or their clearing
  MousePointer,
  Picture,
};

}  // namespace quillbay::ui
