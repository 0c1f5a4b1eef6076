#pragma once

#include <windows.h>

#include "platform/win32/font_cache.h"
#include "platform/win32/twips_scale.h"

namespace quillbay::win32 {

// What every realised window shares: the pixel scale, the fonts and the program's icon.
struct WindowResources {
  explicit WindowResources(const TwipsScale& screenScale);

  // The icon an image control shows: the program's, or the system's application icon where
  // the executable carries none.
  HICON PictureIcon() const;

  TwipsScale scale;
  FontCache fonts;
  HICON programIcon;  // null in an executable without the icon resource
};

}  // namespace quillbay::win32
