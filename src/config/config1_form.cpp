#include "config/config1_form.h"

#include "common/help_file.h"
#include "config/dialog_settings.h"
#include "pickers/set_file_name.h"
#include "pickers/set_font_name.h"
#include "platform/ui/layout.h"

namespace quillbay {

namespace {

namespace keys = settings::keys;

constexpr int kSwitchingTimeDefault = 10;
constexpr unsigned kHelpTopic = 4;
constexpr const char* kDefaultFontName = "ＭＳ Ｐゴシック";
constexpr const char* kDefaultUserName = "ユーザー名";
constexpr int kLastListPosition = 2;

}  // namespace

Config1Form::Config1Form(Application& app)
    : ui::Window(app.system.windows, "Config1Form"), app_(app) {
  SetCaption("一般");
  SetClientBounds({1950, 1965, 5175, 3735});
  SetBorder(ui::BorderStyle::FixedSingle);

  Lay(Check1.Add(0), "円弧も絵画", {240, 120, 1215, 180}, 18);
  Lay(Check1.Add(1), "時報が鳴ったときフラッシュ", {240, 360, 2415, 180}, 13);
  Lay(Check1.Add(3), "時計部分を移動", {240, 600, 1575, 180}, 4);
  Lay(Check1.Add(2), "常に手前に表示", {240, 840, 1575, 180}, 10);
  Lay(Check1.Add(4), "まめに表示／非表示切替え", {240, 1080, 2535, 180}, 3);
  Check1.ForEach([this](int index, ui::CheckBox& box) {
    box.onClick = [this, index] { OnCheck1Click(index); };
  });

  Lay(Label1.Add(2), "切替えﾀｲﾐﾝｸﾞ", {240, 1365, 1035, 180}, 21).SetAutoSize(true);
  Lay(Label1.Add(4), "速い", {1320, 1365, 345, 180}, 19);
  Lay(HScroll2, {1680, 1320, 975, 255}, 2);
  HScroll2.SetRange(0, 20, 2, 5);
  HScroll2.SetValue(kSwitchingTimeDefault);
  Lay(Label1.Add(3), "遅い", {2640, 1365, 345, 180}, 20).SetAutoSize(true);

  ui::Frame& signalFrame = Lay(Frame1.Add(0), "時報", {240, 1575, 2775, 1335}, 14);
  Lay(Combo1, {240, 300, 1215, 300}, 17).PlaceIn(signalFrame);
  Lay(Text1, {240, 680, 1695, 270}, 15).PlaceIn(signalFrame);
  Lay(Command2, "参照", {1920, 680, 615, 255}, 16).PlaceIn(signalFrame);
  Command2.onClick = [this] { OnCommand2Click(); };
  Lay(Check3, "時間の数だけ繰り返し再生", {240, 960, 2415, 180}, 22).PlaceIn(signalFrame);

  Lay(Frame2, "伝言板", {3120, 120, 1815, 855}, 5);
  Lay(Check2, "伝言を絵画", {120, 240, 1215, 180}, 6).PlaceIn(Frame2);
  Lay(Text2, {120, 480, 1575, 270}, 7).PlaceIn(Frame2);
  Text2.SetText("伝言");

  ui::Frame& formatFrame = Lay(Frame1.Add(2), "表示形式", {3120, 1080, 1815, 735}, 8);
  Lay(Combo2, {120, 240, 1575, 300}, 9).PlaceIn(formatFrame);

  ui::Frame& fontFrame = Lay(Frame1.Add(1), "フォント", {3120, 1920, 1815, 735}, 11);
  Lay(Command3, kDefaultFontName, {120, 240, 1575, 375}, 12).PlaceIn(fontFrame);
  Command3.onClick = [this] { OnCommand3Click(); };

  Line1.SetLine({120, 3120}, {5040, 3120}, ui::kWhite);

  Lay(Command1.Add(0), "OK", {360, 3240, 1455, 375}, 0);
  Lay(Command1.Add(1), "ｷｬﾝｾﾙ", {1920, 3240, 1455, 375}, 1);
  Command1.ForEach([this](int index, ui::CommandButton& button) {
    button.onClick = [this, index] { OnCommand1Click(index); };
  });
  Lay(Command4, "ﾍﾙﾌﾟ", {3720, 3240, 1215, 375}, 23);
  Command4.onClick = [this] { OnCommand4Click(); };
}

void Config1Form::OnLoad() {
  SettingsStore& store = app_.system.store;
  Check1[0].SetValue(ReadCheckState(store, keys::WriteScreenMaru, 0));
  for (const char* item : {"なし", "30分おき", "１時間おき"}) Combo1.AddItem(item);
  Combo1.SetListIndex(settings::ReadInteger(store, keys::AramTime, 0, 0, kLastListPosition));
  Text1.SetText(settings::ReadSetting(store, keys::WavFileName));
  Check1[1].SetValue(ReadCheckState(store, keys::TimeChangeWindowColor, 0));
  for (const char* item : {"24時間表記", "AM/PM", "午前/午後"}) Combo2.AddItem(item);
  Combo2.SetListIndex(settings::ReadInteger(store, keys::TimeFormat, 0, 0, kLastListPosition));
  Command3.SetCaption(settings::ReadSetting(store, keys::FontName, kDefaultFontName));
  Check1[2].SetValue(ReadCheckState(store, keys::WindowToTop, 0));
  Check2.SetValue(ReadCheckState(store, keys::WriteUserName, 0));
  Text2.SetText(settings::ReadSetting(store, keys::UserName, kDefaultUserName));
  Check1[3].SetValue(ReadCheckState(store, keys::Move, 0));
  Check1[4].SetValue(ReadCheckState(store, keys::ChangeVisible, 1));
  HScroll2.SetValue(settings::ReadInteger(store, keys::VisibleChangeTime, kSwitchingTimeDefault,
                                          HScroll2.Min(), HScroll2.Max()));
  ApplySwitchingRule();
  Check3.SetValue(ReadCheckState(store, keys::RePlayCountToHour, 0));
  Command1[0].SetFocus();
}

// Show/hide switching off makes its speed meaningless: the speed goes back to its middle value
// and cannot be changed until switching is on again.
void Config1Form::ApplySwitchingRule() {
  if (Check1[4].Checked()) {
    HScroll2.SetEnabled(true);
    return;
  }
  HScroll2.SetValue(kSwitchingTimeDefault);
  HScroll2.SetEnabled(false);
}

void Config1Form::OnCheck1Click(int index) {
  if (index == 4) ApplySwitchingRule();
}

void Config1Form::OnCommand1Click(int index) {
  if (index == 0) WriteSettings();
  Unload();
}

void Config1Form::WriteSettings() {
  SettingsStore& store = app_.system.store;
  WriteCheckState(store, keys::WriteScreenMaru, Check1[0]);
  WriteCheckState(store, keys::WindowToTop, Check1[2]);
  WriteNumber(store, keys::AramTime, Combo1.ListIndex());
  settings::WriteSetting(store, keys::WavFileName, Text1.Text());
  WriteCheckState(store, keys::TimeChangeWindowColor, Check1[1]);
  WriteNumber(store, keys::TimeFormat, Combo2.ListIndex());
  WriteCheckState(store, keys::WriteUserName, Check2);
  settings::WriteSetting(store, keys::UserName, Text2.Text());
  WriteCheckState(store, keys::Move, Check1[3]);
  WriteCheckState(store, keys::ChangeVisible, Check1[4]);
  WriteNumber(store, keys::VisibleChangeTime, HScroll2.Value());
  settings::WriteSetting(store, keys::FontName, Command3.Caption());
  WriteCheckState(store, keys::RePlayCountToHour, Check3);
}

void Config1Form::OnCommand2Click() {
  // The picker hands its result over in SelectedFileName; an earlier pick left there must not
  // pass for this one if the picker closes without answering.
  app_.SelectedFileName.clear();
  SetFileName picker(app_);
  picker.ShowModal();
  if (!app_.SelectedFileName.empty()) Text1.SetText(app_.SelectedFileName);
}

void Config1Form::OnCommand3Click() {
  // Building the font list can take a while.
  SetPointer(ui::MousePointer::Hourglass);
  SetFontName picker(app_, *this, Command3);
  picker.ShowModal();
  SetPointer(ui::MousePointer::Default);
}

void Config1Form::OnCommand4Click() {
  app_.system.help.ShowHelp(*this, HelpFilePath(app_.system.program, app_.system.files),
                            kHelpContext, kHelpTopic);
}

}  // namespace quillbay
