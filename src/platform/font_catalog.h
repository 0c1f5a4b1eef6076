#pragma once

#include <string>
#include <vector>

namespace quillbay {

class FontCatalog {
 public:
  virtual ~FontCatalog() = default;
  // Face names of the default printer's fonts, as the system reports them (duplicates kept);
  // the screen's fonts when there is no printer.
  virtual std::vector<std::string> PrinterFontNames() = 0;
};

}  // namespace quillbay
