#pragma once

#include "common/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/frame.h"
#include "platform/ui/line.h"
#include "platform/ui/window.h"

namespace quillbay {

// The items to display: switches for the date, the hours and minutes, the seconds and the
// morning/afternoon marker of the clock. The marker's switch is disabled while the stored time
// format is the 24-hour notation, which has no marker.
class Config3Form : public ui::Window {
 public:
  explicit Config3Form(Application& app);

  ui::Frame Frame1{*this, "Frame1"};
  // 0 date, 1 hours and minutes, 2 seconds, 3 morning/afternoon marker.
  ui::ControlArray<ui::CheckBox> Check1{*this, "Check1"};
  ui::Line Line1{*this, "Line1"};
  ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};  // 0 OK, 1 cancel

 protected:
  void OnLoad() override;

 private:
  void OnCommand1Click(int index);

  void WriteSettings();

  Application& app_;
};

}  // namespace quillbay
