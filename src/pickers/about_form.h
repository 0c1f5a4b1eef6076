#pragma once

#include "common/application.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"

namespace quillbay {

// The version box: the program's icon, the version line and the rights notice. On about one
// opening in ten a text face shows up and bounces around inside the box until it closes.
class AboutForm : public ui::Window {
 public:
  explicit AboutForm(Application& app);

  ui::Image Image1{*this, "Image1"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};  // 0 version line, 1 rights notice
  ui::CommandButton Command1{*this, "Command1"};
  ui::Label Label2{*this, "Label2"};  // the face
  ui::Timer Timer1{*this, "Timer1"};

  // The face's step per tick in twips; 0 until the first tick chooses it.
  double FaceStepX = 0;
  double FaceStepY = 0;

 protected:
  void OnLoad() override;

 private:
  void ShowFaceByChance();

  void OnCommand1Click();
  void OnTimer1Tick();

  Application& app_;
};

}  // namespace quillbay
