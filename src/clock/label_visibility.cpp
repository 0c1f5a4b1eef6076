#include "clock/label_visibility.h"

#include <array>

#include "common/number_from_text.h"
#include "settings/conversions.h"
#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {

namespace {

namespace keys = settings::keys;

// By label index: hours and minutes, seconds, date, morning/afternoon word.
constexpr std::array<SettingKey, 4> kVisibleKeys{keys::HourAndMinuteVisible, keys::SecondVisible,
                                                 keys::DateLabelVisible, keys::AmAndPmVisible};

}  // namespace

bool LabelAllowed(SettingsStore& store, int index) {
  return settings::ReadNumber(store, kVisibleKeys.at(index), 1) != 0;
}

void ShuffleLabelVisibility(ClockState& state, const ui::ControlArray<ui::Label>& labels,
                            SettingsStore& store, Random& random) {
  if (settings::ReadNumber(store, keys::ChangeVisible, 1) != 1) return;
  ++state.VisibleCount;
  // A leading number, so any text gives one; a negative period shuffles on every tick and a
  // huge one never.
  const double period = NumberFromText(settings::ReadSetting(store, keys::VisibleChangeTime, "10"));
  if (!(static_cast<double>(state.VisibleCount) > period)) return;
  for (int index = 0; index < 4; ++index) {
    const bool shows = random.Next() < 0.5;
    labels[index].SetVisible(shows && LabelAllowed(store, index));
  }
  state.VisibleCount = 0;
}

}  // namespace quillbay
