#pragma once

#include <windows.h>

#include <compare>
#include <map>
#include <string>
#include <string_view>

#include "platform/ui/font.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/twips_scale.h"

namespace quillbay::win32 {

// The fonts the windows use, created once each and kept for the program's run. A model font
// with an empty face stands for the dialog font: a face that has Japanese letters.
class FontCache {
 public:
  explicit FontCache(const TwipsScale& scale);

  HFONT Get(const ui::Font& font);
  HFONT DialogFont() { return Get(ui::Font{}); }

  // Width and line height of a text in a font, in pixels.
  SIZE MeasureText(const ui::Font& font, std::string_view text);

 private:
  struct Key {
    std::wstring face;
    int height;
    int weight;
    int charset;
    auto operator<=>(const Key&) const = default;
  };

  TwipsScale scale_;
  std::wstring dialogFace_;
  std::map<Key, FontHandle> fonts_;
};

}  // namespace quillbay::win32
