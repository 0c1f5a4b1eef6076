#include "platform/win32/twips_scale.h"

#include <cmath>

#include "platform/win32/gdi_objects.h"

namespace quillbay::win32 {

namespace {

constexpr double kTwipsPerInch = 1440;

int RoundToInt(double value) {
  return static_cast<int>(std::lround(value));
}

}  // namespace

TwipsScale TwipsScale::OfScreen() {
  ScreenDc screen;
  const int dotsX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
  const int dotsY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  TwipsScale scale;
  if (dotsX > 0) scale.perPixelX = kTwipsPerInch / dotsX;
  if (dotsY > 0) scale.perPixelY = kTwipsPerInch / dotsY;
  return scale;
}

int TwipsScale::DotsPerInchY() const {
  return RoundToInt(kTwipsPerInch / perPixelY);
}

int TwipsScale::ToPixelsX(double twips) const {
  return RoundToInt(twips / perPixelX);
}

int TwipsScale::ToPixelsY(double twips) const {
  return RoundToInt(twips / perPixelY);
}

POINT TwipsScale::ToPixels(ui::Point twips) const {
  return {ToPixelsX(twips.x), ToPixelsY(twips.y)};
}

RECT TwipsScale::ToPixels(const ui::Rect& twips) const {
  return {ToPixelsX(twips.left), ToPixelsY(twips.top), ToPixelsX(twips.Right()),
          ToPixelsY(twips.Bottom())};
}

ui::Size TwipsScale::ToTwips(SIZE pixels) const {
  return {pixels.cx * perPixelX, pixels.cy * perPixelY};
}

}  // namespace quillbay::win32
