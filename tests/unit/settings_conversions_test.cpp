#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/headless/memory_settings_store.h"
#include "settings/conversions.h"
#include "settings/keys.h"

namespace quillbay {
namespace {

using headless::MemorySettingsStore;
namespace keys = settings::keys;

const std::string kHugeText = std::string(64 * 1024, '7');
const std::string kHugeZeroPadded = std::string(100 * 1024, '0') + "12";

TEST(AsIntegerTest, ConvertsWholeNumberTextRoundingAFractionHalfToEven) {
  const struct {
    std::string text;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"0", 0},
      {"15", 15},
      {" \t12 ", 12},
      {"+3", 3},
      {"-7", -7},
      {"-0", 0},
      {"007", 7},
      {kHugeZeroPadded, 12},
      {"2.5", 2},
      {"3.5", 4},
      {"2.51", 3},
      {"2.4999999999999999999999", 2},
      {"-2.5", -2},
      {"-0.5", 0},
      {"0.5000000001", 1},
      {".5", 0},
      {"1.", 1},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"2147483646.5", 2147483646},
      {"-2147483648.5", INT32_MIN},
      {"2147483647.5", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {kHugeText, std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"1 2", std::nullopt},
      {"12abc", std::nullopt},
      {"abc", std::nullopt},
      {"1e3", std::nullopt},
      {"1.2.3", std::nullopt},
      {"0x10", std::nullopt},
      {"１２", std::nullopt},
      {"ユーザー名", std::nullopt},
      {std::string("1\0", 2), std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings::AsInteger(c.text), c.expected) << "text: " << c.text.substr(0, 40);
  }
}

TEST(AsNumberTest, ConvertsACompleteDecimalNumberAndRefusesEverythingElse) {
  const struct {
    std::string text;
    std::optional<double> expected;
  } cases[] = {
      {"1", 1.0},
      {" 0 ", 0.0},
      {"-2.25", -2.25},
      {"+.5", 0.5},
      {"5.", 5.0},
      {"1e3", 1000.0},
      {"2.5E-1", 0.25},
      {"1e-999", 0.0},
      {"1.7976931348623157e308", 1.7976931348623157e308},
      {"0.1", 0.1},
      {kHugeZeroPadded, 12.0},
      {"1e999", std::nullopt},
      {"-1e999", std::nullopt},
      {kHugeText, std::nullopt},
      {"1" + std::string(400, '0'), std::nullopt},
      {"nan", std::nullopt},
      {"inf", std::nullopt},
      {"", std::nullopt},
      {"1e", std::nullopt},
      {"1x", std::nullopt},
      {"1 0", std::nullopt},
      {"--1", std::nullopt},
      {"ＡＭ", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings::AsNumber(c.text), c.expected) << "text: " << c.text.substr(0, 40);
  }
}

TEST(AsColorValueTest, AcceptsOnlyWholeNumbersWithinTwentyFourBits) {
  EXPECT_EQ(settings::AsColorValue("255"), ui::Rgb(255, 0, 0));
  EXPECT_EQ(settings::AsColorValue("16777215"), ui::kWhite);
  EXPECT_EQ(settings::AsColorValue(" 65280 "), ui::Rgb(0, 255, 0));
  EXPECT_EQ(settings::AsColorValue("0"), ui::kBlack);
  EXPECT_EQ(settings::AsColorValue("16777216"), std::nullopt);
  EXPECT_EQ(settings::AsColorValue("-1"), std::nullopt);
  EXPECT_EQ(settings::AsColorValue("red"), std::nullopt);
}

TEST(ReadIntegerTest, FallsBackToTheDefaultWhenAbsentUnconvertibleOrOutOfRange) {
  MemorySettingsStore store;
  const auto read = [&](const std::string& stored) {
    store.Preset("Config", "FontColor", stored);
    return settings::ReadInteger(store, keys::FontColor, 15, 0, 15);
  };
  EXPECT_EQ(settings::ReadInteger(store, keys::FontColor, 15, 0, 15), 15);
  EXPECT_EQ(read("12"), 12);
  EXPECT_EQ(read("0"), 0);
  EXPECT_EQ(read("16"), 15);
  EXPECT_EQ(read("-1"), 15);
  EXPECT_EQ(read("twelve"), 15);
  EXPECT_EQ(read(kHugeText), 15);
  EXPECT_EQ(read("4.5"), 4);

  store.Preset("Config", "Move", "-123");
  EXPECT_EQ(settings::ReadInteger(store, keys::Move, 0), -123);
}

TEST(ReadNumberTest, FallsBackToTheDefaultWhenAbsentOrUnconvertible) {
  MemorySettingsStore store;
  EXPECT_EQ(settings::ReadNumber(store, keys::ChangeVisible, 1), 1);
  store.Preset("Config", "ChangeVisible", "0");
  EXPECT_EQ(settings::ReadNumber(store, keys::ChangeVisible, 1), 0);
  store.Preset("Config", "ChangeVisible", "1.0");
  EXPECT_EQ(settings::ReadNumber(store, keys::ChangeVisible, 0), 1);
  store.Preset("Config", "ChangeVisible", "yes");
  EXPECT_EQ(settings::ReadNumber(store, keys::ChangeVisible, 1), 1);
  store.Preset("Config", "ChangeVisible", "1e999");
  EXPECT_EQ(settings::ReadNumber(store, keys::ChangeVisible, 1), 1);
}

TEST(ReadColorValueTest, FallsBackToTheDefaultWhenAbsentUnconvertibleOrBeyondTwentyFourBits) {
  MemorySettingsStore store;
  const auto& key = keys::BackMultiColor[1];
  EXPECT_EQ(settings::ReadColorValue(store, key, ui::kBlack), ui::kBlack);
  store.Preset("Config", "BackMultiColor1", "16711680");
  EXPECT_EQ(settings::ReadColorValue(store, key, ui::kBlack), ui::Rgb(0, 0, 255));
  store.Preset("Config", "BackMultiColor1", "4294967295");
  EXPECT_EQ(settings::ReadColorValue(store, key, ui::kBlack), ui::kBlack);
  store.Preset("Config", "BackMultiColor1", "青");
  EXPECT_EQ(settings::ReadColorValue(store, key, ui::kWhite), ui::kWhite);
}

}  // namespace
}  // namespace quillbay
