#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillbay {

// The per-user settings store of the application: text values addressed by section and key,
// kept exactly as written, any length, any Unicode text (UTF-8 here).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // No value when the key was never written.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view key) = 0;
  // Creates the section and key as needed and replaces an earlier value.
  virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace quillbay
