#include "config/config2_form.h"

#include <cstddef>

#include "common/help_file.h"
#include "common/number_from_text.h"
#include "common/palette.h"
#include "config/dialog_settings.h"
#include "pickers/get_rgb_color_form.h"
#include "platform/ui/layout.h"

namespace quillbay {

namespace {

namespace keys = settings::keys;

constexpr unsigned kHelpTopic = 5;
constexpr int kBrightWhiteIndex = 15;
constexpr double kMaximumSeconds = 500;
constexpr const char* kDefaultSeconds = "5";
constexpr const char* kInvalidSecondsMessage = "切替え秒が不正です";

const ui::Font kLabelFont{"FixedSys", 13.5, 400, ui::kShiftJisCharset};

}  // namespace

Config2Form::Config2Form(Application& app)
    : ui::Window(app.system.windows, "Config2Form"), app_(app) {
  SetCaption("表示色関連の設定");
  SetClientBounds({1905, 2100, 4080, 3015});
  SetBorder(ui::BorderStyle::FixedSingle);

  Lay(Label1.Add(0), "文字色", {240, 120, 735, 255}, 2);
  ui::HScrollBar& textColorBar = Lay(HScroll1.Add(0), {1080, 120, 1695, 255}, 13);
  textColorBar.SetRange(0, kBrightWhiteIndex, 1, 4);
  textColorBar.onChange = [this] { OnHScroll1Change(0); };
  Shape1.Add(0).SetBounds({2880, 120, 975, 255});

  Lay(Frame1, "背景色", {240, 480, 3615, 1695}, 3);
  Lay(Label2.Add(0), "1＞2＞3の順に切り替わります", {120, 240, 2310, 180}, 7).PlaceIn(Frame1);
  Lay(Text1, {840, 480, 495, 270}, 8).PlaceIn(Frame1);
  Text1.SetText(kDefaultSeconds);
  Lay(Label2.Add(4), "秒おきに切替え", {1420, 520, 1185, 180}, 9).PlaceIn(Frame1);
  Label2.ForEach([](int, ui::Label& label) { label.SetAutoSize(true); });

  constexpr const char* kSwatchNames[] = {"その１", "その２", "その３"};
  for (int k = 1; k <= 3; ++k) {
    const double top = 840 + 240 * (k - 1);
    Lay(Label1.Add(k), kSwatchNames[k - 1], {120, top, 735, 255}, 3 + k).PlaceIn(Frame1);
    Shape2.Add(k - 1).SetBounds({960, top, 1575, 255});
    Shape2[k - 1].PlaceIn(Frame1);
    Lay(Command2.Add(k), "設定", {2640, top, 855, 255}, 9 + k).PlaceIn(Frame1);
    Command2[k].onClick = [this, k] { OnCommand2Click(k); };
  }
  Label1.ForEach([](int, ui::Label& label) { label.SetFont(kLabelFont); });

  Line1.SetLine({120, 2400}, {3960, 2400}, ui::kWhite);

  Lay(Command1.Add(0), "OK", {240, 2520, 1215, 375}, 0);
  Lay(Command1.Add(1), "ｷｬﾝｾﾙ", {1560, 2520, 1215, 375}, 1);
  Command1.ForEach([this](int index, ui::CommandButton& button) {
    button.onClick = [this, index] { OnCommand1Click(index); };
  });
  Lay(Command3, "ﾍﾙﾌﾟ", {3000, 2520, 855, 375}, 14);
  Command3.onClick = [this] { OnCommand3Click(); };
}

void Config2Form::OnLoad() {
  SettingsStore& store = app_.system.store;
  HScroll1[0].SetValue(settings::ReadInteger(store, keys::FontColor, kBrightWhiteIndex,
                                             HScroll1[0].Min(), HScroll1[0].Max()));
  ApplyPaletteRule(0);
  for (std::size_t i = 0; i < keys::BackMultiColor.size(); ++i) {
    Shape2[static_cast<int>(i)].SetFillColor(
        settings::ReadColorValue(store, keys::BackMultiColor[i], ui::kBlack));
  }
  Text1.SetText(settings::ReadSetting(store, keys::Timer2Interval, kDefaultSeconds));
  Command1[0].SetFocus();
}

// The swatch beside a scroll bar always shows the palette colour the bar points at.
void Config2Form::ApplyPaletteRule(int index) {
  Shape1[index].SetFillColor(PaletteColor(HScroll1[index].Value()));
}

void Config2Form::OnHScroll1Change(int index) {
  ApplyPaletteRule(index);
}

void Config2Form::OnCommand2Click(int index) {
  ui::Shape& swatch = Shape2[index - 1];
  // The picker starts from the swatch's colour and leaves it there unless the user confirms.
  app_.SelectedColor = swatch.FillColor();
  GetRGBColorForm picker(app_);
  picker.ShowModal();
  if (app_.ColorCanceled == 0) swatch.SetFillColor(app_.SelectedColor);
}

void Config2Form::OnCommand1Click(int index) {
  if (index == 0) {
    if (!SecondsAreValid()) {
      app_.system.windows.MessageBox(kInvalidSecondsMessage, ui::MessageBoxButtons::Ok,
                                     kProgramTitle);
      Text1.SetFocus();
      return;
    }
    WriteSettings();
  }
  Unload();
}

// Only the number at the start of the text counts; the text itself is stored as typed.
bool Config2Form::SecondsAreValid() const {
  const double seconds = NumberFromText(Text1.Text());
  return seconds > 0 && seconds <= kMaximumSeconds;
}

void Config2Form::WriteSettings() {
  SettingsStore& store = app_.system.store;
  WriteNumber(store, keys::FontColor, HScroll1[0].Value());
  for (std::size_t i = 0; i < keys::BackMultiColor.size(); ++i) {
    WriteNumber(store, keys::BackMultiColor[i], Shape2[static_cast<int>(i)].FillColor());
  }
  settings::WriteSetting(store, keys::Timer2Interval, Text1.Text());
}

void Config2Form::OnCommand3Click() {
  app_.system.help.ShowHelp(*this, HelpFilePath(app_.system.program, app_.system.files),
                            kHelpContext, kHelpTopic);
}

}  // namespace quillbay
