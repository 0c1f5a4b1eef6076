#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace quillbay::win32 {

// The settings store in HKEY_CURRENT_USER\Software\Quillbay\<section>, one REG_SZ value per
// key, UTF-16 in the registry and UTF-8 here.
//
// The clock reads several values on every timer tick, and under Wine every registry call is a
// round trip to another process, so values and absences are cached per section. A registry
// change notification drops the cache: whoever runs the message loop waits on ChangeEvent()
// and calls OnChangeSignalled() when it is signalled. Own writes go to the registry and the
// cache together. Until HKCU\Software\Quillbay exists the store watches HKCU\Software for it
// to appear: it never creates a key just by being read.
//
// Reading: a REG_SZ or REG_EXPAND_SZ value is its text (not expanded), up to its first NUL or
// its end when it has none; a value of any other type counts as absent, so the reading place's
// default applies. A section or value that cannot be read counts as absent as well.
class RegistrySettingsStore : public SettingsStore {
 public:
  RegistrySettingsStore();
  ~RegistrySettingsStore() override;
  RegistrySettingsStore(const RegistrySettingsStore&) = delete;
  RegistrySettingsStore& operator=(const RegistrySettingsStore&) = delete;

  std::optional<std::string> Read(std::string_view section, std::string_view key) override;
  // A text stops at its first NUL, as a registry string does. When the registry refuses the
  // write, the next read asks the registry again rather than trusting the cache.
  void Write(std::string_view section, std::string_view key, std::string_view value) override;

  // The event HANDLE that the registry signals when something under the application's key
  // (or, until that exists, under HKCU\Software) changes.
  void* ChangeEvent() const;
  // Drops the cache and asks for the next notification.
  void OnChangeSignalled();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace quillbay::win32
