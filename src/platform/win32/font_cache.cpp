#include "platform/win32/font_cache.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

constexpr double kPointsPerInch = 72;
// Far beyond any screen, yet safe to round to an int.
constexpr double kLargestPoints = 10000;

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FontInstalled(const wchar_t* face) {
  ScreenDc screen;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(screen.Get(), &wanted, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The dialog face: the classic Japanese interface font where it exists, a newer Japanese one
// otherwise, and else the system's message font, which the system links to Japanese glyphs.
std::wstring ChooseDialogFace() {
  for (const wchar_t* face : {L"MS UI Gothic", L"Yu Gothic UI", L"Meiryo UI"}) {
    if (FontInstalled(face)) return face;
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    return metrics.lfMessageFont.lfFaceName;
  }
  return L"MS Shell Dlg 2";
}

}  // namespace

FontCache::FontCache(const TwipsScale& scale) : scale_(scale), dialogFace_(ChooseDialogFace()) {}

HFONT FontCache::Get(const ui::Font& font) {
  // Fractional sizes are kept up to here: the pixel height is what gets rounded.
  const double points =
      std::isfinite(font.points) && font.points > 0 ? std::min(font.points, kLargestPoints) : 9;
  Key key{font.face.empty() ? dialogFace_ : Widen(font.face),
          -static_cast<int>(std::lround(points * scale_.DotsPerInchY() / kPointsPerInch)),
          font.weight, font.charset};
  if (key.height == 0) key.height = -1;
  key.face.resize(std::min<size_t>(key.face.size(), LF_FACESIZE - 1));
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();

  HFONT created =
      CreateFontW(key.height, 0, 0, 0, key.weight, FALSE, FALSE, FALSE,
                  static_cast<DWORD>(key.charset & 0xFF), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, key.face.c_str());
  if (!created) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return fonts_.emplace(std::move(key), FontHandle(created)).first->second.Get();
}

SIZE FontCache::MeasureText(const ui::Font& font, std::string_view text) {
  ScreenDc screen;
  SelectedObject selected(screen.Get(), Get(font));
  const std::wstring wide = Widen(text);
  SIZE size{};
  if (!wide.empty()) {
    GetTextExtentPoint32W(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  }
  // An empty caption still takes one line, as a label with no text does.
  TEXTMETRICW metrics{};
  if (GetTextMetricsW(screen.Get(), &metrics)) size.cy = metrics.tmHeight;
  return size;
}

}  // namespace quillbay::win32
