#pragma once

#include "common/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/drop_down_list.h"
#include "platform/ui/frame.h"
#include "platform/ui/h_scroll_bar.h"
#include "platform/ui/label.h"
#include "platform/ui/line.h"
#include "platform/ui/text_box.h"
#include "platform/ui/window.h"

namespace quillbay {

// The general settings: on/off options, the show/hide switching speed, the time signal, the
// message, the time format and the clock's font. Loads the stored values when it opens and
// writes all thirteen keys back only on OK.
class Config1Form : public ui::Window {
 public:
  explicit Config1Form(Application& app);

  ui::ControlArray<ui::CheckBox> Check1{*this, "Check1"};  // indexes 0 to 4
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};     // indexes 2 to 4
  ui::HScrollBar HScroll2{*this, "HScroll2"};
  ui::ControlArray<ui::Frame> Frame1{*this, "Frame1"};  // 0 time signal, 1 font, 2 format
  ui::DropDownList Combo1{*this, "Combo1"};
  ui::TextBox Text1{*this, "Text1"};
  ui::CommandButton Command2{*this, "Command2"};
  ui::CheckBox Check3{*this, "Check3"};
  ui::Frame Frame2{*this, "Frame2"};
  ui::CheckBox Check2{*this, "Check2"};
  ui::TextBox Text2{*this, "Text2"};
  ui::DropDownList Combo2{*this, "Combo2"};
  ui::CommandButton Command3{*this, "Command3"};
  ui::Line Line1{*this, "Line1"};
  ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};  // 0 OK, 1 cancel
  ui::CommandButton Command4{*this, "Command4"};

 protected:
  void OnLoad() override;

 private:
  void OnCheck1Click(int index);
  void OnCommand1Click(int index);
  void OnCommand2Click();
  void OnCommand3Click();
  void OnCommand4Click();

  void ApplySwitchingRule();
  void WriteSettings();

  Application& app_;
};

}  // namespace quillbay
