#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/settings_store.h"
#include "platform/ui/color.h"
#include "settings/keys.h"

namespace quillbay::settings {

// Conversions of stored text. Blanks (spaces, tabs) around the number are allowed; anything
// else that is not part of the number makes the conversion fail, so a value changed outside
// the program falls back to the reading place's default instead of being half-read.

// Whole number: optional sign, digits, an optional fraction rounded to the nearest whole
// number (a half to the even neighbour). None when outside the 32-bit range.
std::optional<std::int32_t> AsInteger(std::string_view text);
// Decimal number with optional sign, fraction and exponent. None when not finite.
std::optional<double> AsNumber(std::string_view text);
// Colour value 0x00BBGGRR: a whole number (as AsInteger) within 0 to 0xFFFFFF.
std::optional<ui::Color> AsColorValue(std::string_view text);

// A reading place with its default: absent, not converting or outside [min, max] -> default.
std::int32_t ReadInteger(SettingsStore& store, SettingKey key, std::int32_t defaultValue,
                         std::int32_t min = INT32_MIN, std::int32_t max = INT32_MAX);
double ReadNumber(SettingsStore& store, SettingKey key, double defaultValue);
ui::Color ReadColorValue(SettingsStore& store, SettingKey key, ui::Color defaultValue);

}  // namespace quillbay::settings
