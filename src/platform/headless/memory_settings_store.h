#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/settings_store.h"

namespace quillbay::headless {

struct SettingWrite {
  std::string section;
  std::string key;
  std::string value;

  bool operator==(const SettingWrite&) const = default;
};

// The settings store in memory; it records every write in order and counts reads.
class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Read(std::string_view section, std::string_view key) override {
    ++reads_;
    const auto it = values_.find({std::string(section), std::string(key)});
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void Write(std::string_view section, std::string_view key, std::string_view value) override {
    writes_.push_back({std::string(section), std::string(key), std::string(value)});
    values_[{std::string(section), std::string(key)}] = std::string(value);
  }

  // Puts a value in place as if another program had written it: not recorded as a write.
  void Preset(std::string_view section, std::string_view key, std::string_view value) {
    values_[{std::string(section), std::string(key)}] = std::string(value);
  }
  const std::vector<SettingWrite>& Writes() const { return writes_; }
  int Reads() const { return reads_; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
  std::vector<SettingWrite> writes_;
  int reads_ = 0;
};

}  // namespace quillbay::headless
