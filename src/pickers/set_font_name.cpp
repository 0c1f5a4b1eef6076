#include "pickers/set_font_name.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/layout.h"

namespace quillbay {

namespace {

constexpr int kOk = 0;
constexpr int kCancel = 1;

bool SameIgnoringLetterCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

SetFontName::SetFontName(Application& app, ui::Window& caller, ui::CommandButton& fontButton)
    : ui::Window(app.system.windows, "SetFontName"),
      app_(app),
      caller_(caller),
      fontButton_(fontButton) {
  SetCaption("フォント");
  SetClientBounds({2025, 1950, 3045, 2640});
  SetBorder(ui::BorderStyle::FixedDialog);

  List1.SetSorted(true);
  Lay(List1, {120, 120, 1695, 2220}, 0);

  ui::CommandButton& ok = Command1.Add(kOk);
  Lay(ok, "ＯＫ", {1920, 120, 975, 375}, 1);
  ui::CommandButton& cancel = Command1.Add(kCancel);
  Lay(cancel, "ｷｬﾝｾﾙ", {1920, 600, 975, 375}, 2);
  Command1.ForEach([this](int index, ui::CommandButton& button) {
    button.onClick = [this, index] { OnCommand1Click(index); };
  });
}

void SetFontName::OnLoad() {
  List1.SetItems(app_.system.fonts.PrinterFontNames());
  SelectCurrentFont();
  CentreOverCaller();
  List1.SetFocus();
}

// The exact name first; a stored name that differs from the system's only in letter case
// still finds its font.
void SetFontName::SelectCurrentFont() {
  const std::vector<std::string>& names = List1.Items();
  const std::string& current = fontButton_.Caption();
  auto found = std::find(names.begin(), names.end(), current);
  if (found == names.end()) {
    found = std::find_if(names.begin(), names.end(), [&current](const std::string& name) {
      return SameIgnoringLetterCase(name, current);
    });
  }
  if (found != names.end()) List1.SetListIndex(static_cast<int>(found - names.begin()));
}

// Computed in single precision; the centre may fall on half a twip.
void SetFontName::CentreOverCaller() {
  const ui::Rect& over = caller_.ClientBounds();
  const ui::Rect& own = ClientBounds();
  const float left = static_cast<float>(over.left) +
                     (static_cast<float>(over.width) / 2 - static_cast<float>(own.width) / 2);
  const float top = static_cast<float>(over.top) +
                    (static_cast<float>(over.height) / 2 - static_cast<float>(own.height) / 2);
  SetClientBounds({left, top, own.width, own.height});
}

void SetFontName::OnCommand1Click(int index) {
  if (index == kOk) {
    if (List1.ListIndex() == ui::kNoSelection) {
      app_.system.windows.Beep();
      return;
    }
    fontButton_.SetCaption(List1.SelectedText());
  }
  Unload();
}

}  // namespace quillbay
