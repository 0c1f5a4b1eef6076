#pragma once

#include "common/application.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/frame.h"
#include "platform/ui/h_scroll_bar.h"
#include "platform/ui/label.h"
#include "platform/ui/line.h"
#include "platform/ui/shape.h"
#include "platform/ui/text_box.h"
#include "platform/ui/window.h"

namespace quillbay {

// The display colours: the clock's text colour from the 16-colour palette, the three background
// colours the clock cycles through and the seconds between two changes. Writes its five keys
// only on an OK whose seconds value is above 0 and at most 500.
class Config2Form : public ui::Window {
 public:
  explicit Config2Form(Application& app);

  ui::ControlArray<ui::Label> Label1{*this, "Label1"};           // indexes 0 to 3
  ui::ControlArray<ui::HScrollBar> HScroll1{*this, "HScroll1"};  // index 0
  ui::ControlArray<ui::Shape> Shape1{*this, "Shape1"};           // index 0
  ui::Frame Frame1{*this, "Frame1"};
  ui::ControlArray<ui::Label> Label2{*this, "Label2"};  // indexes 0 and 4
  ui::TextBox Text1{*this, "Text1"};
  ui::ControlArray<ui::Shape> Shape2{*this, "Shape2"};  // indexes 0 to 2
  // Index k sets the colour of Shape2(k - 1).
  ui::ControlArray<ui::CommandButton> Command2{*this, "Command2"};  // indexes 1 to 3
  ui::Line Line1{*this, "Line1"};
  ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};  // 0 OK, 1 cancel
  ui::CommandButton Command3{*this, "Command3"};

 protected:
  void OnLoad() override;

 private:
  void OnHScroll1Change(int index);
  void OnCommand1Click(int index);
  void OnCommand2Click(int index);
  void OnCommand3Click();

  void ApplyPaletteRule(int index);
  bool SecondsAreValid() const;
  void WriteSettings();

  Application& app_;
};

}  // namespace quillbay
