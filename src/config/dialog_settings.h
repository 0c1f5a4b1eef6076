#pragma once

#include <string>

#include "platform/settings_store.h"
#include "platform/ui/check_box.h"
#include "settings/conversions.h"
#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {

// A check box's state from the store; anything but "0" or "1" gives the dialog's default.
inline int ReadCheckState(SettingsStore& store, SettingKey key, int defaultState) {
  return settings::ReadInteger(store, key, defaultState, ui::CheckBox::kUnchecked,
                               ui::CheckBox::kChecked);
}

// A number as decimal text without blanks or leading zeros.
inline void WriteNumber(SettingsStore& store, SettingKey key, long long value) {
  settings::WriteSetting(store, key, std::to_string(value));
}

inline void WriteCheckState(SettingsStore& store, SettingKey key, const ui::CheckBox& box) {
  WriteNumber(store, key, box.Value());
}

}  // namespace quillbay
