#include "clock/clock_font.h"

#include <string_view>

#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {

namespace {

constexpr std::size_t kLongestFaceName = 31;  // UTF-16 units

// UTF-16 units of a UTF-8 text: one per character, two for a four-byte character.
std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;
    if (byte >= 0xF0) ++units;
  }
  return units;
}

}  // namespace

std::string ReadClockFontFace(SettingsStore& store) {
  std::string face = settings::ReadSetting(store, settings::keys::FontName, kDefaultClockFontName);
  if (face.empty() || Utf16Length(face) > kLongestFaceName) return kDefaultClockFontName;
  return face;
}

}  // namespace quillbay
