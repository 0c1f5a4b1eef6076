#include "pickers/set_font_name.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

struct FontPickerTest : testing::Test {
  headless::HeadlessMachine m;
  Application app{m.system};
  ui::Window caller{m.windows, "Config1Form"};
  ui::CommandButton fontButton{caller, "Command3"};

  FontPickerTest() {
    m.fonts.names = {"Times New Roman", "ＭＳ Ｐゴシック", "Arial", "arial black", "Arial"};
    caller.SetClientBounds({1000, 2000, 6000, 5001});
  }

  // Opens the picker modally; `use` acts as the user while it is open.
  void Pick(std::function<void(SetFontName&)> use) {
    m.windows.WhenShown("SetFontName",
                        [use](ui::Window& window) { use(static_cast<SetFontName&>(window)); });
    SetFontName form(app, caller, fontButton);
    form.ShowModal();
  }
};

TEST_F(FontPickerTest, ListsEveryReportedNameSortedWithDuplicates) {
  Pick([](SetFontName& form) {
    const std::vector<std::string> expected = {"Arial", "Arial", "arial black", "Times New Roman",
                                               "ＭＳ Ｐゴシック"};
    EXPECT_EQ(form.List1.Items(), expected);
    EXPECT_TRUE(form.List1.HasFocus());
  });
}

TEST_F(FontPickerTest, SelectsTheButtonsFontExactlyElseIgnoringLetterCaseElseNothing) {
  const struct {
    const char* caption;
    const char* selected;
  } cases[] = {{"ＭＳ Ｐゴシック", "ＭＳ Ｐゴシック"},
               {"arial black", "arial black"},
               {"ARIAL", "Arial"},
               {"Courier", ""},
               {"", ""}};
  for (const auto& c : cases) {
    fontButton.SetCaption(c.caption);
    Pick([&c](SetFontName& form) { EXPECT_EQ(form.List1.SelectedText(), c.selected); });
  }
}

TEST_F(FontPickerTest, OkWritesTheSelectedNameIntoTheFontButton) {
  fontButton.SetCaption("ＭＳ Ｐゴシック");
  Pick([](SetFontName& form) { form.Command1[0].Click(); });
  EXPECT_EQ(fontButton.Caption(), "ＭＳ Ｐゴシック");

  Pick([](SetFontName& form) {
    form.List1.Select(3);
    form.Command1[0].Click();
  });
  EXPECT_EQ(fontButton.Caption(), "Times New Roman");
  EXPECT_EQ(m.windows.Beeps(), 0);
}

TEST_F(FontPickerTest, CancelWritesNothing) {
  fontButton.SetCaption("Arial");
  Pick([](SetFontName& form) {
    form.List1.Select(3);
    form.Command1[1].Click();
    EXPECT_FALSE(form.IsOpen());
  });
  EXPECT_EQ(fontButton.Caption(), "Arial");
  EXPECT_EQ(m.windows.Beeps(), 0);
}

TEST_F(FontPickerTest, OkWithoutASelectionBeepsAndStaysOpen) {
  fontButton.SetCaption("Courier");
  Pick([this](SetFontName& form) {
    form.Command1[0].Click();
    form.Command1[0].Click();
    EXPECT_TRUE(form.IsOpen());
    EXPECT_EQ(m.windows.Beeps(), 2);
    form.List1.Select(0);
    form.Command1[0].Click();
    EXPECT_FALSE(form.IsOpen());
  });
  EXPECT_EQ(fontButton.Caption(), "Arial");
  EXPECT_EQ(m.windows.Beeps(), 2);
}

TEST_F(FontPickerTest, OpensCentredOverTheCallerKeepingItsSize) {
  Pick([](SetFontName& form) {
    const ui::Rect& bounds = form.ClientBounds();
    EXPECT_EQ(bounds.left, 1000 + (3000 - 1522.5));
    EXPECT_EQ(bounds.top, 2000 + (2500.5 - 1320));
    EXPECT_EQ(bounds.width, 3045);
    EXPECT_EQ(bounds.height, 2640);
  });
  caller.SetClientBounds({-500, 0, 1000, 800});
  Pick([](SetFontName& form) {
    EXPECT_EQ(form.ClientBounds().left, -500 + (500 - 1522.5));
    EXPECT_EQ(form.ClientBounds().top, 400 - 1320);
  });
}

TEST_F(FontPickerTest, NoFontsLeavesAnEmptyListWhoseOkOnlyBeeps) {
  m.fonts.names.clear();
  fontButton.SetCaption("Arial");
  Pick([](SetFontName& form) {
    form.List1.Select(0);
    form.Command1[0].Click();
    EXPECT_TRUE(form.IsOpen());
  });
  EXPECT_EQ(m.windows.Beeps(), 1);
  EXPECT_EQ(fontButton.Caption(), "Arial");
}

}  // namespace
}  // namespace quillbay
