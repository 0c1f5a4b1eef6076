#include "config/config_form.h"

#include "common/host_dialog.h"
#include "config/config1_form.h"
#include "config/config2_form.h"
#include "config/config3_form.h"
#include "pickers/about_form.h"

namespace quillbay {

namespace {

// Every opening builds the dialog anew, so it starts from the stored settings.
template <class Dialog>
void OpenModal(Application& app) {
  Dialog dialog(app);
  dialog.ShowModal();
}

}  // namespace

ConfigForm::ConfigForm(Application& app) : ui::Window(app.system.windows, "ConfigForm"), app_(app) {
  SetCaption("設定");
  SetClientBounds({1695, 1620, 3630, 2295});
  SetBorder(ui::BorderStyle::FixedSingle);

  struct ButtonDefinition {
    int index;
    const char* caption;
    double top;
    int tabIndex;
  };
  constexpr ButtonDefinition kButtons[] = {
      {0, "一般関連", 120, 2},
      {1, "表示色関連", 480, 3},
      {2, "表示する項目", 840, 4},
      {3, "バージョン情報", 1200, 1},
  };
  for (const ButtonDefinition& definition : kButtons) {
    ui::CommandButton& button = Command4.Add(definition.index);
    button.SetCaption(definition.caption);
    button.SetBounds({240, definition.top, 3135, 375});
    button.SetTabIndex(definition.tabIndex);
    button.onClick = [this, index = definition.index] { OnCommand4Click(index); };
  }

  Line1.SetLine({120, 1680}, {3480, 1680}, ui::kWhite);

  Command1.SetCaption("閉じる");
  Command1.SetBounds({360, 1800, 1695, 375});
  Command1.SetTabIndex(0);
  Command1.onClick = [this] { OnCommand1Click(); };
}

void ConfigForm::OnLoad() {
  EnableHostDialog(app_.system.hostWindows, false);
  Command1.SetFocus();
}

void ConfigForm::OnUnload() {
  EnableHostDialog(app_.system.hostWindows, true);
}

void ConfigForm::OnCommand4Click(int index) {
  switch (index) {
    case 0:
      OpenModal<Config1Form>(app_);
      break;
    case 1:
      OpenModal<Config2Form>(app_);
      break;
    case 2:
      OpenModal<Config3Form>(app_);
      break;
    case 3:
      OpenModal<AboutForm>(app_);
      break;
  }
}

void ConfigForm::OnCommand1Click() {
  Unload();
}

}  // namespace quillbay
