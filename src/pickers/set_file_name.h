#pragma once

#include <string>

#include "common/application.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control_array.h"
#include "platform/ui/directory_list.h"
#include "platform/ui/drive_list.h"
#include "platform/ui/file_list.h"
#include "platform/ui/window.h"

namespace quillbay {

// Browses the drives for the chime's sound file ("*.wav") and plays it as a test. OK hands the
// full path back in SelectedFileName; Cancel empties it.
class SetFileName : public ui::Window {
 public:
  explicit SetFileName(Application& app);

  ui::DriveList Drive1;
  ui::DirectoryList Dir1;
  ui::FileList File1;
  ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};  // 0 OK, 1 Cancel
  ui::CommandButton Command2{*this, "Command2"};                    // test play

 protected:
  void OnLoad() override;

 private:
  // Dir1's path and the selected file's name; the directory alone when none is selected.
  std::string SelectedFilePath() const;
  void AcceptSelectedFile();

  void OnDrive1Change();
  void OnDir1Change();
  void OnFile1DoubleClick();
  void OnCommand1Click(int index);
  void OnCommand2Click();

  Application& app_;
};

}  // namespace quillbay
