#pragma once

#include <string>

#include "platform/settings_store.h"

namespace quillbay {

inline constexpr const char* kDefaultClockFontName = "ＭＳ Ｐゴシック";

// The font face of the clock labels: "FontName", or the default face when the key is absent
// or holds no possible face name (empty, or longer than the system's 31 UTF-16 units).
std::string ReadClockFontFace(SettingsStore& store);

}  // namespace quillbay
