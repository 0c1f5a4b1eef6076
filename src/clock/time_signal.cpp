#include "clock/time_signal.h"

#include <string>

#include "common/palette.h"
#include "common/rounding.h"
#include "settings/conversions.h"
#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {

namespace {

namespace keys = settings::keys;

// "9:0", "13:30": hour and minute without leading zeros.
std::string HourAndMinuteText(const LocalDateTime& time) {
  return std::to_string(time.hour) + ":" + std::to_string(time.minute);
}

bool SignalDue(SettingsStore& store, int minute) {
  const std::string when = settings::ReadSetting(store, keys::AramTime);
  return (when == "1" && (minute == 0 || minute == 30)) || (when == "2" && minute == 0);
}

// The file name is read again before every play, so a repeated signal follows a changed setting.
void PlaySignalSound(Application& app, int hour) {
  SettingsStore& store = app.system.store;
  if (settings::ReadNumber(store, keys::RePlayCountToHour, 0) == 0) {
    app.system.sound.PlaySound(settings::ReadSetting(store, keys::WavFileName), Play::Async);
    return;
  }
  for (int pass = 0; pass <= hour; ++pass) {
    app.system.sound.PlaySound(settings::ReadSetting(store, keys::WavFileName), Play::Sync);
  }
}

void FlashBackground(ui::Window& window, Application& app) {
  constexpr int kFlashColors = 9;
  for (int flash = 0; flash < kFlashColors; ++flash) {
    const double r = app.random.Next();
    window.SetBackColor(PaletteColor(RoundHalfEven(15 * r)));
    app.system.windows.ProcessPendingMessages();  // paints the colour
  }
  window.SetBackColor(
      PaletteColor(settings::ReadInteger(app.system.store, keys::BackColor, 0, 0, 15)));
}

}  // namespace

void CheckChime(ClockState& state, ui::Window& window, Application& app) {
  const LocalDateTime now = app.system.clock.Now();
  if (HourAndMinuteText(now) == state.LastChimeTime) return;
  if (!SignalDue(app.system.store, now.minute)) return;
  PlaySignalSound(app, now.hour);
  // A repeated sound may run into the next minute: record the minute in which it ended, so
  // that the signal is not given again.
  state.LastChimeTime = HourAndMinuteText(app.system.clock.Now());
  if (settings::ReadSetting(app.system.store, keys::TimeChangeWindowColor) == "1") {
    FlashBackground(window, app);
  }
}

}  // namespace quillbay
