#include "platform/win32/win32_font_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quillbay::win32 {
namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The test machine has no printer, so this is the screen's list; the prefix has the fonts of
// the system folder and the usual Japanese font names mapped to installed fonts.
TEST(Win32FontCatalogTest, ListsEachInstalledFamilyOnceUnderItsSystemName) {
  const std::vector<std::string> names = Win32FontCatalog().PrinterFontNames();
  std::printf("%zu font families\n", names.size());
  EXPECT_TRUE(Contains(names, "Tahoma"));
  EXPECT_TRUE(Contains(names, "ＭＳ Ｐゴシック"));
  EXPECT_TRUE(Contains(names, "@ＭＳ Ｐゴシック"));  // vertical writing faces are families too
  // A family that covers several character sets is still one entry.
  EXPECT_EQ(std::count(names.begin(), names.end(), "Tahoma"), 1);
}

}  // namespace
}  // namespace quillbay::win32
