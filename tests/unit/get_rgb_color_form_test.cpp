#include "pickers/get_rgb_color_form.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

using ui::ScrollAction;

struct ColorPickerTest : testing::Test {
  headless::HeadlessMachine m;
  Application app{m.system};

  // Opens the picker modally; `use` acts as the user while it is open.
  void Pick(std::function<void(GetRGBColorForm&)> use) {
    m.windows.WhenShown("GetRGBColorForm",
                        [use](ui::Window& window) { use(static_cast<GetRGBColorForm&>(window)); });
    GetRGBColorForm form(app);
    form.ShowModal();
  }
};

TEST_F(ColorPickerTest, OpensBlackWithTheRedBarFocusedWhateverColourIsSelected) {
  app.SelectedColor = ui::Rgb(10, 20, 30);
  Pick([](GetRGBColorForm& form) {
    EXPECT_EQ(form.Caption(), "色の指定");
    EXPECT_EQ(form.Shape1.FillColor(), ui::kBlack);
    form.HScroll1.ForEach([](int, ui::HScrollBar& bar) {
      EXPECT_EQ(bar.Value(), 0);
      EXPECT_EQ(bar.Max(), 255);
    });
    EXPECT_TRUE(form.HScroll1[0].HasFocus());
  });
}

TEST_F(ColorPickerTest, OkHandsBackTheMixedColour) {
  const struct {
    int red, green, blue;
    ui::Color expected;
  } cases[] = {{0, 255, 0, 65280}, {255, 255, 255, 16777215}, {1, 2, 3, 0x030201}};
  for (const auto& c : cases) {
    app.ColorCanceled = -1;
    Pick([&c](GetRGBColorForm& form) {
      form.HScroll1[0].Scroll(ScrollAction::ThumbPosition, c.red);
      form.HScroll1[1].Scroll(ScrollAction::ThumbPosition, c.green);
      form.HScroll1[2].Scroll(ScrollAction::ThumbPosition, c.blue);
      form.Command1[0].Click();
    });
    EXPECT_EQ(app.SelectedColor, c.expected);
    EXPECT_EQ(app.ColorCanceled, 0);
  }
}

TEST_F(ColorPickerTest, CancelKeepsTheColourAndALaterOkClearsTheCancel) {
  app.SelectedColor = 12345;
  Pick([](GetRGBColorForm& form) {
    form.HScroll1[2].Scroll(ScrollAction::PageRight);
    form.Command1[1].Click();
  });
  EXPECT_EQ(app.SelectedColor, 12345u);
  EXPECT_EQ(app.ColorCanceled, -1);

  Pick([](GetRGBColorForm& form) { form.Command1[0].Click(); });
  EXPECT_EQ(app.SelectedColor, ui::kBlack);
  EXPECT_EQ(app.ColorCanceled, 0);
}

TEST_F(ColorPickerTest, ClosedWithoutItsButtonsItHandsBackNothing) {
  app.SelectedColor = 12345;
  Pick([](GetRGBColorForm& form) { form.HScroll1[0].Scroll(ScrollAction::PageRight); });
  EXPECT_EQ(app.SelectedColor, 12345u);
  EXPECT_EQ(app.ColorCanceled, 0);
}

TEST_F(ColorPickerTest, EveryBarRecoloursTheSwatchAtEachPositionOfADrag) {
  Pick([](GetRGBColorForm& form) {
    form.HScroll1[1].Scroll(ScrollAction::LineRight);
    EXPECT_EQ(form.Shape1.FillColor(), ui::Rgb(0, 10, 0));
    form.HScroll1[0].Scroll(ScrollAction::PageRight);
    EXPECT_EQ(form.Shape1.FillColor(), ui::Rgb(30, 10, 0));
    for (int position : {40, 41, 200}) {
      form.HScroll1[2].Scroll(ScrollAction::ThumbTrack, position);
      EXPECT_EQ(form.Shape1.FillColor(), ui::Rgb(30, 10, position));
    }
    form.HScroll1[0].Scroll(ScrollAction::LineLeft);
    form.HScroll1[0].Scroll(ScrollAction::PageLeft);
    EXPECT_EQ(form.Shape1.FillColor(), ui::Rgb(0, 10, 200));
  });
}

}  // namespace
}  // namespace quillbay
