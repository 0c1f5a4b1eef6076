#include "platform/win32/registry_settings_store.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/win32/unique_handles.h"
#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

constexpr const wchar_t* kSoftwarePath = L"Software";
constexpr const wchar_t* kApplicationPath = L"Software\\Quillbay";
// A value that keeps growing while it is read is given up after this many attempts.
constexpr int kReadAttempts = 8;

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Registry names compare without letter case.
struct NameLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return LowerAscii(x) < LowerAscii(y);
    });
  }
};

std::wstring SectionPath(std::string_view section) {
  return std::wstring(kApplicationPath) + L"\\" + Widen(section);
}

// A key of HKEY_CURRENT_USER, or none when it does not exist or may not be opened.
RegistryKey OpenKey(const wchar_t* path, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key) != ERROR_SUCCESS) return {};
  return RegistryKey(key);
}

RegistryKey CreateKey(const wchar_t* path, REGSAM access) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return RegistryKey(key);
}

}  // namespace

struct RegistrySettingsStore::State {
  struct Section {
    RegistryKey key;  // none while the section does not exist
    std::map<std::string, std::optional<std::string>, NameLess> values;  // none: absent
  };

  KernelHandle changeEvent{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  RegistryKey watchedKey;
  bool notificationArmed = false;
  std::map<std::string, Section, NameLess> sections;
  std::vector<wchar_t> buffer = std::vector<wchar_t>(256);

  // Watches the application's key, or HKCU\Software for it to appear.
  void ArmNotification() {
    notificationArmed = false;
    if (!changeEvent) return;
    watchedKey = OpenKey(kApplicationPath, KEY_NOTIFY);
    const bool application = static_cast<bool>(watchedKey);
    if (!application) watchedKey = OpenKey(kSoftwarePath, KEY_NOTIFY);
    if (!watchedKey) return;
    const DWORD filter =
        application ? REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_NAME : REG_NOTIFY_CHANGE_NAME;
    notificationArmed = RegNotifyChangeKeyValue(watchedKey.Get(), application ? TRUE : FALSE,
                                                filter, changeEvent.Get(), TRUE) == ERROR_SUCCESS;
  }

  Section& SectionNamed(std::string_view name) {
    auto found = sections.find(name);
    if (found != sections.end()) return found->second;
    Section section;
    section.key = OpenKey(SectionPath(name).c_str(), KEY_QUERY_VALUE);
    return sections.emplace(std::string(name), std::move(section)).first->second;
  }

  std::optional<std::string> QueryText(HKEY key, const std::wstring& name) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
      DWORD type = REG_NONE;
      DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
      const LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                              reinterpret_cast<BYTE*>(buffer.data()), &bytes);
      if (status == ERROR_MORE_DATA) {
        buffer.resize(bytes / sizeof(wchar_t) + 2);
        continue;
      }
      if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) break;
      std::wstring_view text(buffer.data(), bytes / sizeof(wchar_t));
      return Narrow(text.substr(0, text.find(L'\0')));
    }
    return std::nullopt;
  }
};

RegistrySettingsStore::RegistrySettingsStore() : state_(std::make_unique<State>()) {
  state_->ArmNotification();
}

RegistrySettingsStore::~RegistrySettingsStore() = default;

std::optional<std::string> RegistrySettingsStore::Read(std::string_view section,
                                                       std::string_view key) {
  // Without a notification nothing would tell the cache it is stale.
  if (!state_->notificationArmed) state_->sections.clear();
  State::Section& cached = state_->SectionNamed(section);
  const auto found = cached.values.find(key);
  if (found != cached.values.end()) return found->second;
  std::optional<std::string> value;
  if (cached.key) value = state_->QueryText(cached.key.Get(), Widen(key));
  cached.values.emplace(std::string(key), value);
  return value;
}

void RegistrySettingsStore::Write(std::string_view section, std::string_view key,
                                  std::string_view value) {
  RegistryKey sectionKey = CreateKey(SectionPath(section).c_str(), KEY_QUERY_VALUE | KEY_SET_VALUE);
  if (!sectionKey) {
    state_->sections.erase(std::string(section));
    return;
  }
  const std::wstring text = Widen(value.substr(0, value.find('\0')));
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const bool written =
      bytes <= MAXDWORD && RegSetValueExW(sectionKey.Get(), Widen(key).c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>(bytes)) == ERROR_SUCCESS;

  auto cached = state_->sections.find(section);
  if (cached == state_->sections.end()) {
    cached = state_->sections.emplace(std::string(section), State::Section{}).first;
  }
  cached->second.key = std::move(sectionKey);
  cached->second.values.erase(std::string(key));
  if (written) cached->second.values.emplace(std::string(key), Narrow(text));
}

void* RegistrySettingsStore::ChangeEvent() const {
  return state_->changeEvent.Get();
}

void RegistrySettingsStore::OnChangeSignalled() {
  // Closing a watched key signals its event, so the old watch goes before the reset; a change
  // between the reset and the new watch is still seen, since the cache goes after both.
  state_->watchedKey.Reset();
  if (state_->changeEvent) ResetEvent(state_->changeEvent.Get());
  state_->ArmNotification();
  state_->sections.clear();
}

}  // namespace quillbay::win32
