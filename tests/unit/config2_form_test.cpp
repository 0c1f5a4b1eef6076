#include "config/config2_form.h"

#include <gtest/gtest.h>

#include <string>

#include "common/application.h"
#include "common/palette.h"
#include "config_dialog_test_support.h"
#include "pickers/get_rgb_color_form.h"
#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

using testing::Writes;

class Config2FormTest : public ::testing::Test {
 protected:
  headless::HeadlessMachine m;
  Application app{m.system};
};

TEST_F(Config2FormTest, WindowDefinition) {
  Config2Form dialog(app);
  dialog.Load();
  EXPECT_EQ(dialog.Name(), "Config2Form");
  EXPECT_EQ(dialog.Caption(), "表示色関連の設定");
  EXPECT_EQ(dialog.ClientBounds().left, 1905);
  EXPECT_EQ(dialog.ClientBounds().top, 2100);
  EXPECT_EQ(dialog.ClientBounds().width, 4080);
  EXPECT_EQ(dialog.ClientBounds().height, 3015);
  EXPECT_EQ(dialog.Border(), ui::BorderStyle::FixedSingle);
  EXPECT_EQ(testing::TabOrder(dialog),
            (std::vector<std::string>{"Command1(0) OK", "Command1(1) ｷｬﾝｾﾙ", "Label1(0) 文字色",
                                      "Frame1 背景色", "Label1(1) その１", "Label1(2) その２",
                                      "Label1(3) その３", "Label2(0) 1＞2＞3の順に切り替わります",
                                      "Text1", "Label2(4) 秒おきに切替え", "Command2(1) 設定",
                                      "Command2(2) 設定", "Command2(3) 設定", "HScroll1(0)",
                                      "Command3 ﾍﾙﾌﾟ"}));
  const ui::Font fixedSys{"FixedSys", 13.5, 400, 128};
  dialog.Label1.ForEach(
      [&](int index, const ui::Label& label) { EXPECT_EQ(label.GetFont(), fixedSys) << index; });
  EXPECT_EQ(dialog.Label2[0].GetFont(), ui::Font{});
  // Each "設定" button, its swatch and its label share a row inside the frame.
  for (int k = 1; k <= 3; ++k) {
    const double rowTop = 480 + 840 + 240 * (k - 1);
    EXPECT_EQ(dialog.Command2[k].WindowBounds().top, rowTop) << k;
    EXPECT_EQ(dialog.Command2[k].WindowBounds().left, 240 + 2640) << k;
    EXPECT_EQ(dialog.Shape2[k - 1].WindowBounds().top, rowTop) << k;
    EXPECT_EQ(dialog.Label1[k].WindowBounds().top, rowTop) << k;
  }
  EXPECT_EQ(dialog.Text1.WindowBounds().left, 240 + 840);
  EXPECT_TRUE(dialog.Label2[4].AutoSize());
  EXPECT_EQ(dialog.Label2[4].WindowBounds().left, 240 + 1420);
  EXPECT_EQ(dialog.Shape1[0].Bounds().left, 2880);
  EXPECT_EQ(dialog.HScroll1[0].Max(), 15);
  EXPECT_EQ(dialog.HScroll1[0].LargeChange(), 4);
  EXPECT_EQ(dialog.Line1.From().y, 2400);
  EXPECT_EQ(dialog.Line1.LineColor(), ui::kWhite);
}

TEST_F(Config2FormTest, EmptyStoreShowsWhiteTextThreeBlackBackgroundsAndFiveSeconds) {
  Config2Form dialog(app);
  dialog.Load();
  EXPECT_EQ(dialog.HScroll1[0].Value(), 15);
  EXPECT_EQ(dialog.Shape1[0].FillColor(), ui::kWhite);
  dialog.Shape2.ForEach([](int index, const ui::Shape& swatch) {
    EXPECT_EQ(swatch.FillColor(), ui::kBlack) << index;
  });
  EXPECT_EQ(dialog.Text1.Text(), "5");
  EXPECT_EQ(testing::FocusedId(dialog), "Command1(0)");
}

TEST_F(Config2FormTest, OkWritesTheFiveKeysInOrder) {
  m.store.Preset("Config", "BackMultiColor1", "255");
  Config2Form dialog(app);
  dialog.Load();
  EXPECT_EQ(dialog.Shape2[1].FillColor(), ui::Rgb(255, 0, 0));
  dialog.Command1[0].Click();
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(m.store.Writes(), (Writes{{"Config", "FontColor", "15"},
                                      {"Config", "BackMultiColor0", "0"},
                                      {"Config", "BackMultiColor1", "255"},
                                      {"Config", "BackMultiColor2", "0"},
                                      {"Config", "Timer2Interval", "5"}}));
}

TEST_F(Config2FormTest, TheTextColourSwatchFollowsEveryMoveOfTheBarIncludingADrag) {
  m.store.Preset("Config", "FontColor", "9");
  Config2Form dialog(app);
  dialog.Load();
  ui::HScrollBar& bar = dialog.HScroll1[0];
  EXPECT_EQ(dialog.Shape1[0].FillColor(), ui::Rgb(0, 0, 255));
  bar.Scroll(ui::ScrollAction::PageLeft);
  EXPECT_EQ(dialog.Shape1[0].FillColor(), ui::Rgb(128, 0, 128));
  bar.Scroll(ui::ScrollAction::LineLeft);
  EXPECT_EQ(dialog.Shape1[0].FillColor(), ui::Rgb(128, 0, 0));
  for (int position = 0; position <= 15; ++position) {
    bar.Scroll(ui::ScrollAction::ThumbTrack, position);
    EXPECT_EQ(dialog.Shape1[0].FillColor(), PaletteColor(position)) << position;
  }
  EXPECT_EQ(dialog.Shape1[0].FillColor(), ui::kWhite);
  bar.Scroll(ui::ScrollAction::ThumbPosition, 0);
  EXPECT_EQ(dialog.Shape1[0].FillColor(), ui::kBlack);
  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes().front(), (headless::SettingWrite{"Config", "FontColor", "0"}));
}

TEST_F(Config2FormTest, OkChecksTheSecondsAndStoresAnAcceptedTextAsTyped) {
  struct Case {
    std::string text;
    bool accepted;
  };
  const Case kCases[] = {{"500", true}, {"501", false}, {"0", false},     {"-3", false},
                         {"", false},   {"abc", false}, {"0.5", true},    {"12abc", true},
                         {" 7 ", true}, {"1e3", false}, {"500.01", false}};
  for (const Case& c : kCases) {
    headless::HeadlessMachine machine;
    Application application(machine.system);
    Config2Form dialog(application);
    dialog.Load();
    dialog.HScroll1[0].Scroll(ui::ScrollAction::LineLeft);
    dialog.Text1.Type(c.text);
    dialog.Command1[0].Click();
    if (c.accepted) {
      EXPECT_FALSE(dialog.IsOpen()) << c.text;
      EXPECT_TRUE(machine.windows.MessageBoxes().empty()) << c.text;
      EXPECT_EQ(machine.store.Writes().size(), 5u) << c.text;
      EXPECT_EQ(machine.store.Writes().back(),
                (headless::SettingWrite{"Config", "Timer2Interval", c.text}));
      continue;
    }
    EXPECT_TRUE(dialog.IsOpen()) << c.text;
    ASSERT_EQ(machine.windows.MessageBoxes().size(), 1u) << c.text;
    const headless::MessageBoxCall& box = machine.windows.MessageBoxes()[0];
    EXPECT_EQ(box.text, "切替え秒が不正です");
    EXPECT_EQ(box.buttons, ui::MessageBoxButtons::Ok);
    EXPECT_EQ(box.title, kProgramTitle);
    EXPECT_EQ(testing::FocusedId(dialog), "Text1") << c.text;
    EXPECT_TRUE(machine.store.Writes().empty()) << c.text;
    EXPECT_EQ(dialog.Text1.Text(), c.text);
    EXPECT_EQ(dialog.HScroll1[0].Value(), 14);  // the user's changes stay
  }
}

TEST_F(Config2FormTest, ARejectedOkCanBeCorrectedOrCancelled) {
  Config2Form dialog(app);
  dialog.Load();
  dialog.Text1.Type("0");
  dialog.Command1[0].Click();
  dialog.Text1.Type("2");
  dialog.Command1[0].Click();
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(m.windows.MessageBoxes().size(), 1u);
  EXPECT_EQ(m.store.Writes().back(), (headless::SettingWrite{"Config", "Timer2Interval", "2"}));

  headless::HeadlessMachine other;
  Application otherApp(other.system);
  Config2Form cancelled(otherApp);
  cancelled.Load();
  cancelled.Text1.Type("999");
  cancelled.Command1[0].Click();
  cancelled.Command1[1].Click();
  EXPECT_FALSE(cancelled.IsOpen());
  EXPECT_TRUE(other.store.Writes().empty());
}

TEST_F(Config2FormTest, ColourPickerStartsFromTheSwatchAndOnlyAConfirmedColourIsTaken) {
  m.store.Preset("Config", "BackMultiColor2", "65280");
  Config2Form dialog(app);
  dialog.Load();

  ui::Color handedToPicker = 0;
  m.windows.WhenShown("GetRGBColorForm", [&](ui::Window& picker) {
    handedToPicker = app.SelectedColor;
    app.SelectedColor = ui::Rgb(10, 20, 30);
    app.ColorCanceled = 0;
    picker.Unload();
  });
  dialog.Command2[3].Click();
  EXPECT_EQ(handedToPicker, ui::Rgb(0, 255, 0));
  EXPECT_EQ(dialog.Shape2[2].FillColor(), ui::Rgb(10, 20, 30));
  EXPECT_EQ(dialog.Shape2[0].FillColor(), ui::kBlack);

  m.windows.WhenShown("GetRGBColorForm", [&](ui::Window& picker) {
    app.SelectedColor = ui::Rgb(99, 99, 99);
    app.ColorCanceled = -1;
    picker.Unload();
  });
  dialog.Command2[1].Click();
  EXPECT_EQ(dialog.Shape2[0].FillColor(), ui::kBlack);

  // Closed without an answer, whatever the last answer was: the swatch keeps its colour.
  for (const std::int16_t lastAnswer : {std::int16_t{0}, std::int16_t{-1}}) {
    app.ColorCanceled = lastAnswer;
    dialog.Command2[3].Click();
    EXPECT_EQ(dialog.Shape2[2].FillColor(), ui::Rgb(10, 20, 30)) << lastAnswer;
  }

  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes()[3], (headless::SettingWrite{"Config", "BackMultiColor2",
                                                         std::to_string(ui::Rgb(10, 20, 30))}));
}

TEST_F(Config2FormTest, AColourMixedInThePickerReachesItsSwatchButCancelWritesNothing) {
  Config2Form dialog(app);
  dialog.Load();
  m.windows.WhenShown("GetRGBColorForm", [](ui::Window& shown) {
    auto& picker = dynamic_cast<GetRGBColorForm&>(shown);
    picker.HScroll1[0].Scroll(ui::ScrollAction::ThumbPosition, 200);
    picker.HScroll1[2].Scroll(ui::ScrollAction::ThumbPosition, 40);
    picker.Command1[0].Click();
  });
  dialog.Command2[2].Click();
  EXPECT_EQ(dialog.Shape2[1].FillColor(), ui::Rgb(200, 0, 40));
  dialog.Command1[1].Click();
  EXPECT_TRUE(m.store.Writes().empty());
}

TEST_F(Config2FormTest, UnusableStoredValuesOpenWithTheDefaultOfTheirControl) {
  struct Case {
    const char* fontColor;
    const char* background;
  };
  for (const Case& c :
       {Case{"16", "-5"}, Case{"abc", "abc"}, Case{"-1", "16777216"}, Case{"", ""}}) {
    headless::HeadlessMachine machine;
    Application application(machine.system);
    machine.store.Preset("Config", "FontColor", c.fontColor);
    for (const char* key : {"BackMultiColor0", "BackMultiColor1", "BackMultiColor2"}) {
      machine.store.Preset("Config", key, c.background);
    }
    Config2Form dialog(application);
    dialog.Load();
    EXPECT_EQ(dialog.HScroll1[0].Value(), 15) << c.fontColor;
    EXPECT_EQ(dialog.Shape1[0].FillColor(), ui::kWhite) << c.fontColor;
    dialog.Command1[0].Click();
    EXPECT_EQ(machine.store.Writes(), (Writes{{"Config", "FontColor", "15"},
                                              {"Config", "BackMultiColor0", "0"},
                                              {"Config", "BackMultiColor1", "0"},
                                              {"Config", "BackMultiColor2", "0"},
                                              {"Config", "Timer2Interval", "5"}}))
        << c.background;
  }
}

TEST_F(Config2FormTest, StoredSecondsTextIsShownAsItIsHoweverLong) {
  const std::string longText = "12" + std::string(64 * 1024, 'a');
  m.store.Preset("Config", "Timer2Interval", longText);
  Config2Form dialog(app);
  dialog.Load();
  EXPECT_EQ(dialog.Text1.Text(), longText);
  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes().back(),
            (headless::SettingWrite{"Config", "Timer2Interval", longText}));
}

TEST_F(Config2FormTest, HelpOpensTopicFive) {
  Config2Form dialog(app);
  dialog.Load();
  dialog.Command3.Click();
  ASSERT_EQ(m.help.calls.size(), 1u);
  EXPECT_EQ(m.help.calls[0].owner, &dialog);
  EXPECT_EQ(m.help.calls[0].helpFile, "QUILLBAY.HLP");
  EXPECT_EQ(m.help.calls[0].command, kHelpContext);
  EXPECT_EQ(m.help.calls[0].context, 5u);
}

}  // namespace
}  // namespace quillbay
