#pragma once

#include "common/application.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/h_scroll_bar.h"
#include "platform/ui/label.h"
#include "platform/ui/line.h"
#include "platform/ui/shape.h"
#include "platform/ui/window.h"

namespace quillbay {

// Mixes a colour from its red, green and blue parts, shown in a swatch. OK hands the colour
// back in SelectedColor and clears ColorCanceled; Cancel sets ColorCanceled and keeps
// SelectedColor. Closed any other way, it hands back nothing.
class GetRGBColorForm : public ui::Window {
 public:
  explicit GetRGBColorForm(Application& app);

  ui::Shape Shape1{*this, "Shape1"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::ControlArray<ui::HScrollBar> HScroll1{*this, "HScroll1"};  // 0 red, 1 green, 2 blue
  ui::Line Line1{*this, "Line1"};
  ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};  // 0 OK, 1 Cancel

 protected:
  void OnLoad() override;

 private:
  void OnHScroll1Change(int index);
  void OnCommand1Click(int index);

  Application& app_;
};

}  // namespace quillbay
