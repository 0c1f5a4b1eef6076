#include "config/config3_form.h"

#include <array>

#include "config/dialog_settings.h"
#include "platform/ui/layout.h"

namespace quillbay {

namespace {

namespace keys = settings::keys;

// The key of each check box, by index.
constexpr std::array<SettingKey, 4> kVisibleKeys{keys::DateLabelVisible, keys::HourAndMinuteVisible,
                                                 keys::SecondVisible, keys::AmAndPmVisible};
constexpr int kMarkerBox = 3;
constexpr int kShownState = 1;
constexpr double kTwentyFourHourFormat = 0;

}  // namespace

Config3Form::Config3Form(Application& app)
    : ui::Window(app.system.windows, "Config3Form"), app_(app) {
  SetCaption("表示する項目");
  SetClientBounds({1395, 1620, 3270, 2055});
  SetBorder(ui::BorderStyle::FixedSingle);

  Lay(Frame1, "表示する項目", {120, 120, 3015, 1215}, 0);
  Lay(Check1.Add(0), "日付情報", {240, 360, 1095, 180}, 1).PlaceIn(Frame1);
  Lay(Check1.Add(1), "時間情報", {840, 600, 1095, 180}, 2).PlaceIn(Frame1);
  Lay(Check1.Add(2), "秒数情報", {1440, 840, 1095, 180}, 3).PlaceIn(Frame1);
  Lay(Check1.Add(3), "午前/午後情報", {1320, 360, 1575, 180}, 4).PlaceIn(Frame1);

  Line1.SetLine({120, 1440}, {3120, 1440}, ui::kWhite);

  Lay(Command1.Add(0), "OK", {240, 1560, 1335, 375}, 5);
  Lay(Command1.Add(1), "ｷｬﾝｾﾙ", {1680, 1560, 1335, 375}, 6);
  Command1.ForEach([this](int index, ui::CommandButton& button) {
    button.onClick = [this, index] { OnCommand1Click(index); };
  });
}

void Config3Form::OnLoad() {
  SettingsStore& store = app_.system.store;
  Check1.ForEach([&](int index, ui::CheckBox& box) {
    box.SetValue(ReadCheckState(store, kVisibleKeys[index], kShownState));
  });
  // The 24-hour notation shows no marker, so switching it makes no sense there.
  if (settings::ReadNumber(store, keys::TimeFormat, kTwentyFourHourFormat) ==
      kTwentyFourHourFormat) {
    Check1[kMarkerBox].SetEnabled(false);
  }
  Check1[0].SetFocus();
}

void Config3Form::OnCommand1Click(int index) {
  if (index == 0) WriteSettings();
  Unload();
}

// A disabled marker switch keeps its stored state and is written back like the others.
void Config3Form::WriteSettings() {
  Check1.ForEach([this](int index, const ui::CheckBox& box) {
    WriteCheckState(app_.system.store, kVisibleKeys[index], box);
  });
}

}  // namespace quillbay
