// The clock window's setup in saver mode, before the window is first shown: labels laid out in
// proportion to the screen, one tick of each timer so that the first picture is complete, then
// the stored colour, font, background period, topmost state and the labels switched off.
#include "clock/clock_font.h"
#include "clock/form1.h"
#include "clock/label_visibility.h"
#include "clock/time_format.h"
#include "clock/timer2_interval.h"
#include "common/palette.h"
#include "settings/conversions.h"
#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {

namespace {

namespace keys = settings::keys;

constexpr double kMoveStep = 150;  // twips per tick

// Positions and sizes in twips, font sizes in points, all in proportion to the screen.
void LayOutLabels(const ui::ControlArray<ui::Label>& labels, ui::Size screen, TimeFormat format) {
  const double width = screen.width;
  const double height = screen.height;

  // Hours and minutes span the whole width so that their centred text stands in the middle;
  // the label keeps the height it sized itself to before size-to-text is switched off.
  ui::Label& hourAndMinute = labels[0];
  hourAndMinute.Move(width / 12, height / 6);
  hourAndMinute.SetFontSize(width / 57);
  hourAndMinute.SetAutoSize(false);
  hourAndMinute.SetLeft(0);
  hourAndMinute.SetWidth(width);

  labels[1].Move(width / 2, height / 1.7);
  labels[1].SetFontSize(width / 105);

  labels[2].Move(width / 6.6, height / 23.04);
  labels[2].SetFontSize(height / 230);

  ui::Label& word = labels[3];
  if (format == TimeFormat::TwentyFourHour) {
    word.SetVisible(false);
    word.SetCaption("");
  } else {
    word.SetBounds({0, height / 14, width, word.Bounds().height});
    word.SetFontSize(width / 170);  // sizes the label to its text again
  }
}

// Both keys are read again for every label.
void ApplyStoredLook(const ui::ControlArray<ui::Label>& labels, SettingsStore& store) {
  for (int index = 0; index < 4; ++index) {
    labels[index].SetForeColor(
        PaletteColor(settings::ReadInteger(store, keys::FontColor, 15, 0, 15)));
    labels[index].SetFontFace(ReadClockFontFace(store));
  }
}

void HideSwitchedOffLabels(const ui::ControlArray<ui::Label>& labels, SettingsStore& store) {
  for (const int index : {2, 0, 1, 3}) {
    if (!LabelAllowed(store, index)) labels[index].SetVisible(false);
  }
}

}  // namespace

void Form1::Setup() {
  SettingsStore& store = app_.system.store;
  LayOutLabels(Label1, System().ScreenSize(), ReadTimeFormat(store));
  if (settings::ReadNumber(store, keys::Move, 0) == 1) state_.MoveStep.fill(kMoveStep);

  OnTimer1Tick();
  OnTimer2Tick();

  ApplyStoredLook(Label1, store);
  Timer2.SetInterval(Timer2IntervalFromSettings(store));
  if (settings::ReadSetting(store, keys::WindowToTop) == "1") System().MakeTopmost(*this);
  HideSwitchedOffLabels(Label1, store);
}

}  // namespace quillbay
