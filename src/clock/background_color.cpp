#include "clock/background_color.h"

#include "settings/conversions.h"
#include "settings/keys.h"

namespace quillbay {

void StepBackgroundColor(ClockState& state, ui::Window& window, SettingsStore& store) {
  const auto& colorKeys = settings::keys::BackMultiColor;
  window.SetBackColor(settings::ReadColorValue(store, colorKeys[state.BackColorIndex], 0));
  state.BackColorIndex = state.BackColorIndex == 2 ? 0 : state.BackColorIndex + 1;
}

}  // namespace quillbay
