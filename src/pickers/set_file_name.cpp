#include "pickers/set_file_name.h"

#include "platform/ui/layout.h"
#include "platform/ui/path_text.h"

namespace quillbay {

namespace {

constexpr int kOk = 0;
constexpr int kCancel = 1;

}  // namespace

SetFileName::SetFileName(Application& app)
    : ui::Window(app.system.windows, "SetFileName"),
      Drive1(*this, app.system.files, "Drive1"),
      Dir1(*this, app.system.files, "Dir1"),
      File1(*this, app.system.files, "File1"),
      app_(app) {
  SetCaption("参照");
  SetClientBounds({2070, 1980, 4335, 3570});
  SetBorder(ui::BorderStyle::FixedDialog);

  Lay(Drive1, {240, 240, 1935, 300}, 0);
  Drive1.onChange = [this] { OnDrive1Change(); };

  Lay(Dir1, {240, 600, 1935, 2550}, 1);
  Dir1.onChange = [this] { OnDir1Change(); };

  Lay(File1, {2280, 240, 1815, 2040}, 2);
  File1.SetPattern("*.wav");
  File1.onDoubleClick = [this] { OnFile1DoubleClick(); };

  ui::CommandButton& ok = Command1.Add(kOk);
  Lay(ok, "ＯＫ", {2280, 2400, 975, 375}, 3);
  ui::CommandButton& cancel = Command1.Add(kCancel);
  Lay(cancel, "ｷｬﾝｾﾙ", {3240, 2400, 855, 375}, 4);
  Command1.ForEach([this](int index, ui::CommandButton& button) {
    button.onClick = [this, index] { OnCommand1Click(index); };
  });

  Lay(Command2, "テスト再生", {2280, 2760, 1815, 375}, 5);
  Command2.onClick = [this] { OnCommand2Click(); };
}

void SetFileName::OnLoad() {
  Drive1.SetFocus();
}

std::string SetFileName::SelectedFilePath() const {
  return ui::JoinPath(Dir1.Path(), File1.FileName());
}

void SetFileName::AcceptSelectedFile() {
  if (File1.ListIndex() == ui::kNoSelection) {
    app_.system.windows.Beep();
    return;
  }
  app_.SelectedFileName = SelectedFilePath();
  Unload();
}

// A drive that is not ready (a removable drive without a medium) may be retried; giving up
// returns the drive list to the drive of the directory still shown.
void SetFileName::OnDrive1Change() {
  for (;;) {
    const int error = Dir1.SetPath(ui::DrivePart(Drive1.Drive()));
    if (error == kFileOk) return;
    if (error != kDeviceUnavailable) {
      app_.system.windows.MessageBox("Error Private Sub Drive1_Change " + std::to_string(error),
                                     ui::MessageBoxButtons::Ok, kProgramTitle);
      return;
    }
    const ui::MessageBoxResult answer = app_.system.windows.MessageBox(
        "デバイスの準備が出来ていません。", ui::MessageBoxButtons::RetryCancel, kProgramTitle);
    if (answer != ui::MessageBoxResult::Retry) {
      Drive1.SetDrive(Dir1.Path().substr(0, 2));
      return;
    }
  }
}

void SetFileName::OnDir1Change() {
  File1.SetPath(Dir1.Path());
}

void SetFileName::OnFile1DoubleClick() {
  AcceptSelectedFile();
}

void SetFileName::OnCommand1Click(int index) {
  if (index == kOk) {
    AcceptSelectedFile();
    return;
  }
  app_.SelectedFileName.clear();
  Unload();
}

void SetFileName::OnCommand2Click() {
  app_.system.sound.PlaySound(SelectedFilePath(), Play::Async);
}

}  // namespace quillbay
