#pragma once

#include <string>
#include <vector>

#include "platform/font_catalog.h"

namespace quillbay::win32 {

// The font families of the default printer, or of the screen when there is no printer (or its
// driver cannot be opened), in the order the system reports them: one entry per family rather
// than one per character set, and nothing else left out, so a name reported twice stays twice.
class Win32FontCatalog : public FontCatalog {
 public:
  std::vector<std::string> PrinterFontNames() override;
};

}  // namespace quillbay::win32
