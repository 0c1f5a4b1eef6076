#pragma once

#include "common/application.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/list_box.h"
#include "platform/ui/window.h"

namespace quillbay {

// Picks the clock's font from the default printer's font names. The name being edited is the
// caption of the caller's font button; OK writes the chosen name there, Cancel writes nothing.
// The dialog opens centred over the caller.
class SetFontName : public ui::Window {
 public:
  SetFontName(Application& app, ui::Window& caller, ui::CommandButton& fontButton);

  ui::ListBox List1{*this, "List1"};
  ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};  // 0 OK, 1 Cancel

 protected:
  void OnLoad() override;

 private:
  void SelectCurrentFont();
  void CentreOverCaller();
  void OnCommand1Click(int index);

  Application& app_;
  ui::Window& caller_;
  ui::CommandButton& fontButton_;
};

}  // namespace quillbay
