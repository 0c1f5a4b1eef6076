#include "settings/read_write.h"

namespace quillbay::settings {

std::string ReadSetting(SettingsStore& store, SettingKey key, std::string_view defaultText) {
  std::optional<std::string> stored = store.Read(key.section, key.name);
  if (!stored) return std::string(defaultText);
  return std::move(*stored);
}

std::string ReadSetting(SettingsStore& store, SettingKey key) {
  return ReadSetting(store, key, "");
}

void WriteSetting(SettingsStore& store, SettingKey key, std::string_view value) {
  store.Write(key.section, key.name, value);
}

}  // namespace quillbay::settings
