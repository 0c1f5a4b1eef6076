#pragma once

#include <string>
#include <string_view>

#include "platform/settings_store.h"
#include "settings/keys.h"

namespace quillbay::settings {

// The stored text, or `defaultText` when the key was never written. Each reading place supplies
// the default that applies there; nothing is cached between reads.
std::string ReadSetting(SettingsStore& store, SettingKey key, std::string_view defaultText);
// The stored text, or "" when the key was never written.
std::string ReadSetting(SettingsStore& store, SettingKey key);
// Stores the text, creating the section and key as needed.
void WriteSetting(SettingsStore& store, SettingKey key, std::string_view value);

}  // namespace quillbay::settings
