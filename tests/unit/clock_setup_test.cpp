#include <gtest/gtest.h>

#include "clock_test_support.h"
#include "common/palette.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using ClockSetupTest = ClockTest;

TEST_F(ClockSetupTest, WindowIsABorderlessMaximisedBlackWindowThatSeesKeysFirst) {
  Start();
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->Caption(), "Form1");
  EXPECT_EQ(form->Border(), ui::BorderStyle::None);
  EXPECT_EQ(form->State(), ui::WindowState::Maximized);
  EXPECT_TRUE(form->KeyPreview());
  EXPECT_TRUE(form->ShowsProgramIcon());
  EXPECT_EQ(form->Timer1.Interval(), 1);
  EXPECT_TRUE(form->Timer1.Running());
  EXPECT_EQ(dispatchCalls, 1);
}

TEST_F(ClockSetupTest, LaysOutTheLabelsInProportionToA640By480Screen) {
  Preset(keys::TimeFormat, "1");
  Start();

  const ui::Rect hourAndMinute = Label(0).Bounds();
  EXPECT_EQ(hourAndMinute.left, 0);
  EXPECT_DOUBLE_EQ(hourAndMinute.top, 1200);
  EXPECT_DOUBLE_EQ(hourAndMinute.width, 9600);
  EXPECT_NEAR(Label(0).GetFont().points, 168.42, 0.005);
  // Sized to "Label1" at that font size before size-to-text was switched off, and kept.
  EXPECT_DOUBLE_EQ(hourAndMinute.height,
                   machine.windows.MeasureText(Label(0).GetFont(), "Label1").height);
  EXPECT_FALSE(Label(0).AutoSize());
  EXPECT_EQ(Label(0).Align(), ui::Alignment::Center);

  EXPECT_DOUBLE_EQ(Label(1).Bounds().left, 4800);
  EXPECT_NEAR(Label(1).Bounds().top, 4235.29, 0.005);
  EXPECT_NEAR(Label(1).GetFont().points, 91.43, 0.005);
  EXPECT_EQ(Label(1).Align(), ui::Alignment::Left);

  EXPECT_NEAR(Label(2).Bounds().left, 1454.55, 0.005);
  EXPECT_DOUBLE_EQ(Label(2).Bounds().top, 312.5);
  EXPECT_NEAR(Label(2).GetFont().points, 31.30, 0.005);

  EXPECT_EQ(Label(3).Bounds().left, 0);
  EXPECT_NEAR(Label(3).Bounds().top, 514.29, 0.005);
  EXPECT_NEAR(Label(3).GetFont().points, 56.47, 0.005);
  EXPECT_TRUE(Label(3).Visible());

  // Every label but the first follows its text.
  for (int index = 1; index <= 3; ++index) {
    const ui::Size text =
        machine.windows.MeasureText(Label(index).GetFont(), Label(index).Caption());
    EXPECT_DOUBLE_EQ(Label(index).Bounds().width, text.width) << index;
    EXPECT_DOUBLE_EQ(Label(index).Bounds().height, text.height) << index;
  }
}

TEST_F(ClockSetupTest, LayoutFollowsTheScreenSize) {
  machine.windows.SetScreenSize({28800, 16200});  // 1920 × 1080 pixels
  Start();
  EXPECT_DOUBLE_EQ(Label(0).Bounds().width, 28800);
  EXPECT_DOUBLE_EQ(Label(0).Bounds().top, 2700);
  EXPECT_DOUBLE_EQ(Label(0).GetFont().points, 28800 / 57.0);
  EXPECT_DOUBLE_EQ(Label(1).Bounds().top, 16200 / 1.7);
  EXPECT_DOUBLE_EQ(Label(2).GetFont().points, 16200 / 230.0);
}

// The morning/afternoon label is hidden and empty exactly when the clock runs 24-hour,
// including a "TimeFormat" that is no number (read as the 24-hour default).
TEST_F(ClockSetupTest, MorningAfternoonLabelOnlyInTwelveHourFormats) {
  struct Case {
    const char* timeFormat;  // nullptr: absent
    const char* amAndPmVisible;
    bool shown;
    const char* word;
  };
  for (const Case& c : {Case{nullptr, "1", false, ""}, Case{"0", "1", false, ""},
                        Case{"abc", "1", false, ""}, Case{"1", "1", true, "ＡＭ"},
                        Case{"2", "1", true, "午前"}, Case{"1", "0", false, "ＡＭ"}}) {
    SCOPED_TRACE(c.timeFormat ? c.timeFormat : "(absent)");
    ClockRun run;
    if (c.timeFormat) run.Preset(keys::TimeFormat, c.timeFormat);
    run.Preset(keys::AmAndPmVisible, c.amAndPmVisible);
    run.Start();
    EXPECT_EQ(run.Label(3).Visible(), c.shown);
    EXPECT_EQ(run.Label(3).Caption(), c.word);
  }
}

TEST_F(ClockSetupTest, StoredColourAndFontGoToAllFourLabels) {
  Preset(keys::FontColor, "12");
  Preset(keys::FontName, "IPAGothic");
  Start();
  for (int index = 0; index < 4; ++index) {
    EXPECT_EQ(Label(index).ForeColor(), ui::Rgb(255, 0, 0)) << index;
    EXPECT_EQ(Label(index).GetFont().face, "IPAGothic") << index;
  }
  EXPECT_NEAR(Label(0).GetFont().points, 168.42, 0.005);  // the size stays
}

TEST_F(ClockSetupTest, EmptyStoreGivesBrightWhiteLabelsInTheDefaultFace) {
  Start();
  for (int index = 0; index < 4; ++index) {
    EXPECT_EQ(Label(index).ForeColor(), ui::kWhite);
    EXPECT_EQ(Label(index).GetFont().face, "ＭＳ Ｐゴシック");
  }
  EXPECT_FALSE(machine.windows.IsTopmost(*form));
  EXPECT_TRUE(Label(0).Visible());
  EXPECT_TRUE(Label(1).Visible());
  EXPECT_TRUE(Label(2).Visible());
  EXPECT_EQ(form->Timer2.Interval(), 2000);
}

TEST_F(ClockSetupTest, FontNameThatCannotBeAFaceGivesTheDefaultFace) {
  for (const std::string& name : {std::string(), std::string(32, 'x'), std::string(65536, 'x')}) {
    ClockRun run;
    run.Preset(keys::FontName, name);
    run.Start();
    EXPECT_EQ(run.Label(0).GetFont().face, "ＭＳ Ｐゴシック") << name.size();
  }
}

TEST_F(ClockSetupTest, OnlyTheText1MakesTheWindowTopmost) {
  for (const char* value : {"", "0", "2", " 1", "1.0", "true", "1"}) {
    ClockRun run;
    run.Preset(keys::WindowToTop, value);
    run.Start();
    EXPECT_EQ(run.machine.windows.IsTopmost(*run.form), std::string_view(value) == "1") << value;
  }
}

TEST_F(ClockSetupTest, LabelsSwitchedOffStayHiddenAfterSetup) {
  Preset(keys::TimeFormat, "1");
  Preset(keys::DateLabelVisible, "0");
  Preset(keys::HourAndMinuteVisible, "0");
  Preset(keys::SecondVisible, "0");
  Preset(keys::AmAndPmVisible, "0");
  Start();
  for (int index = 0; index < 4; ++index) EXPECT_FALSE(Label(index).Visible()) << index;
}

TEST_F(ClockSetupTest, NothingRunsWhenTheDispatchChoosesAnotherMode) {
  form = std::make_unique<Form1>(app, [](Form1&) { return false; });
  form->Load();
  EXPECT_EQ(Label(0).Caption(), "Label1");
  EXPECT_EQ(machine.store.Reads(), 0);
  EXPECT_FALSE(form->Timer2.Running());
}

}  // namespace
}  // namespace quillbay
