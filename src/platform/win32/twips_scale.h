#pragma once

#include <windows.h>

#include "platform/ui/geometry.h"

namespace quillbay::win32 {

// Converts the models' twips to the display's pixels: 1440 twips make an inch, so a display
// of 96 dots per inch has 15 twips per pixel.
struct TwipsScale {
  double perPixelX = 15;
  double perPixelY = 15;

  // The scale of the screen as the program sees it, read once at start.
  static TwipsScale OfScreen();

  int DotsPerInchY() const;
  int ToPixelsX(double twips) const;
  int ToPixelsY(double twips) const;
  POINT ToPixels(ui::Point twips) const;
  // Edges are rounded, not sizes, so that controls which meet in twips meet on screen.
  RECT ToPixels(const ui::Rect& twips) const;
  ui::Size ToTwips(SIZE pixels) const;
};

}  // namespace quillbay::win32
