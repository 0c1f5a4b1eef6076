#pragma once

#include "common/application.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/line.h"
#include "platform/ui/window.h"

namespace quillbay {

// The settings hub: four buttons that open the settings dialogs and the About box, one that
// closes it. While it is open the screen-saver host's dialog is switched off, so that the host
// cannot start a second settings run or change the saver underneath it.
class ConfigForm : public ui::Window {
 public:
  explicit ConfigForm(Application& app);

  ui::ControlArray<ui::CommandButton> Command4{*this, "Command4"};
  ui::Line Line1{*this, "Line1"};
  ui::CommandButton Command1{*this, "Command1"};

 protected:
  void OnLoad() override;
  void OnUnload() override;

 private:
  void OnCommand4Click(int index);
  void OnCommand1Click();

  Application& app_;
};

}  // namespace quillbay
