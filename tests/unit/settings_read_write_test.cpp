#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/headless/memory_settings_store.h"
#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {
namespace {

using headless::MemorySettingsStore;
using headless::SettingWrite;
namespace keys = settings::keys;

TEST(SettingKeysTest, EveryKeyIsInItsSectionUnderItsExactName) {
  const std::set<std::pair<std::string, std::string>> expected{
      {"Config", "WriteScreenMaru"},
      {"Config", "WindowToTop"},
      {"Config", "TimeFormat"},
      {"Config", "WriteUserName"},
      {"Config", "UserName"},
      {"Config", "Move"},
      {"Config", "ChangeVisible"},
      {"Config", "VisibleChangeTime"},
      {"Config", "FontName"},
      {"Config", "RePlayCountToHour"},
      {"Config", "FontColor"},
      {"Config", "BackMultiColor0"},
      {"Config", "BackMultiColor1"},
      {"Config", "BackMultiColor2"},
      {"Config", "Timer2Interval"},
      {"Config", "BackColor"},
      {"Aram", "AramTime"},
      {"Aram", "WavFileName"},
      {"Aram", "TimeChangeWindowColor"},
      {"Visible", "DateLabelVisible"},
      {"Visible", "HourAndMinuteVisible"},
      {"Visible", "SecondVisible"},
      {"Visible", "AmAndPmVisible"},
  };
  std::set<std::pair<std::string, std::string>> actual;
  for (const SettingKey& key : keys::kAllKeys) {
    actual.emplace(std::string(key.section), std::string(key.name));
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(keys::BackMultiColor[2].name, "BackMultiColor2");
}

TEST(ReadSettingTest, AbsentKeyGivesTheReadingPlacesDefaultButAStoredEmptyTextIsKept) {
  MemorySettingsStore store;
  EXPECT_EQ(settings::ReadSetting(store, keys::Timer2Interval, "2"), "2");
  EXPECT_EQ(settings::ReadSetting(store, keys::UserName), "");

  store.Preset("Config", "Timer2Interval", "");
  store.Preset("Config", "UserName", "ユーザー名");
  EXPECT_EQ(settings::ReadSetting(store, keys::Timer2Interval, "2"), "");
  EXPECT_EQ(settings::ReadSetting(store, keys::UserName, "x"), "ユーザー名");
}

TEST(WriteSettingTest, StoresTheTextUnderTheKeysSectionAndReplacesAnEarlierValue) {
  MemorySettingsStore store;
  const std::string longText(64 * 1024, 'a');
  settings::WriteSetting(store, keys::WavFileName, "c:\\音\\時報.wav");
  settings::WriteSetting(store, keys::UserName, longText);
  settings::WriteSetting(store, keys::WavFileName, "");

  EXPECT_EQ(store.Writes(), (std::vector<SettingWrite>{{"Aram", "WavFileName", "c:\\音\\時報.wav"},
                                                       {"Config", "UserName", longText},
                                                       {"Aram", "WavFileName", ""}}));
  EXPECT_EQ(settings::ReadSetting(store, keys::WavFileName, "default"), "");
  EXPECT_EQ(settings::ReadSetting(store, keys::UserName), longText);
}

}  // namespace
}  // namespace quillbay
