#include "config/config3_form.h"

#include <gtest/gtest.h>

#include "common/application.h"
#include "config_dialog_test_support.h"
#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

using testing::Writes;

class Config3FormTest : public ::testing::Test {
 protected:
  headless::HeadlessMachine m;
  Application app{m.system};
};

TEST_F(Config3FormTest, WindowDefinition) {
  Config3Form dialog(app);
  dialog.Load();
  EXPECT_EQ(dialog.Caption(), "表示する項目");
  EXPECT_EQ(dialog.ClientBounds().left, 1395);
  EXPECT_EQ(dialog.ClientBounds().top, 1620);
  EXPECT_EQ(dialog.ClientBounds().width, 3270);
  EXPECT_EQ(dialog.ClientBounds().height, 2055);
  EXPECT_EQ(dialog.Border(), ui::BorderStyle::FixedSingle);
  EXPECT_EQ(
      testing::TabOrder(dialog),
      (std::vector<std::string>{"Frame1 表示する項目", "Check1(0) 日付情報", "Check1(1) 時間情報",
                                "Check1(2) 秒数情報", "Check1(3) 午前/午後情報", "Command1(0) OK",
                                "Command1(1) ｷｬﾝｾﾙ"}));
  // Boxes sit in the frame: the seconds box at the frame's corner plus its own offset.
  EXPECT_EQ(dialog.Check1[2].WindowBounds().left, 120 + 1440);
  EXPECT_EQ(dialog.Check1[2].WindowBounds().top, 120 + 840);
  EXPECT_EQ(dialog.Line1.From().y, 1440);
  EXPECT_EQ(dialog.Line1.LineColor(), ui::kWhite);
  EXPECT_EQ(testing::FocusedId(dialog), "Check1(0)");
}

TEST_F(Config3FormTest, EmptyStoreShowsEveryItemAndTheMarkerSwitchDisabled) {
  Config3Form dialog(app);
  dialog.Load();
  dialog.Check1.ForEach([](int index, const ui::CheckBox& box) {
    EXPECT_TRUE(box.Checked()) << index;
    EXPECT_EQ(box.Enabled(), index != 3) << index;
  });
}

TEST_F(Config3FormTest, MarkerSwitchIsDisabledOnlyForTheStoredTwentyFourHourFormat) {
  struct Case {
    const char* timeFormat;
    bool enabled;
  };
  for (const Case& c : {Case{"0", false}, Case{"1", true}, Case{"2", true}, Case{"0.0", false},
                        Case{"abc", false}, Case{"7", true}}) {
    headless::HeadlessMachine machine;
    Application application(machine.system);
    machine.store.Preset("Config", "TimeFormat", c.timeFormat);
    Config3Form dialog(application);
    dialog.Load();
    EXPECT_EQ(dialog.Check1[3].Enabled(), c.enabled) << c.timeFormat;
  }
}

TEST_F(Config3FormTest, OkWritesAllFourKeysInOrderEvenWhenNothingChanged) {
  Config3Form dialog(app);
  dialog.Load();
  dialog.Command1[0].Click();
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(m.store.Writes(), (Writes{{"Visible", "DateLabelVisible", "1"},
                                      {"Visible", "HourAndMinuteVisible", "1"},
                                      {"Visible", "SecondVisible", "1"},
                                      {"Visible", "AmAndPmVisible", "1"}}));
}

TEST_F(Config3FormTest, OkWritesTheTickedStatesAndADisabledMarkerSwitchKeepsItsStoredState) {
  m.store.Preset("Visible", "AmAndPmVisible", "0");
  Config3Form dialog(app);
  dialog.Load();
  dialog.Check1[0].Toggle();
  dialog.Check1[2].Toggle();
  dialog.Check1[3].Toggle();  // disabled: the user cannot change it
  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes(), (Writes{{"Visible", "DateLabelVisible", "0"},
                                      {"Visible", "HourAndMinuteVisible", "1"},
                                      {"Visible", "SecondVisible", "0"},
                                      {"Visible", "AmAndPmVisible", "0"}}));
}

TEST_F(Config3FormTest, CancelWritesNothing) {
  m.store.Preset("Config", "TimeFormat", "2");
  Config3Form dialog(app);
  dialog.Load();
  dialog.Check1.ForEach([](int, ui::CheckBox& box) { box.Toggle(); });
  dialog.Command1[1].Click();
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_TRUE(m.store.Writes().empty());
}

TEST_F(Config3FormTest, StoredValuesThatAreNoFlagShowTheItemAndOkWritesWhatTheBoxesShow) {
  m.store.Preset("Config", "TimeFormat", "1");
  m.store.Preset("Visible", "DateLabelVisible", "2");
  m.store.Preset("Visible", "HourAndMinuteVisible", "abc");
  m.store.Preset("Visible", "SecondVisible", "-1");
  m.store.Preset("Visible", "AmAndPmVisible", "0");
  Config3Form dialog(app);
  dialog.Load();
  EXPECT_TRUE(dialog.Check1[0].Checked());
  EXPECT_TRUE(dialog.Check1[1].Checked());
  EXPECT_TRUE(dialog.Check1[2].Checked());
  EXPECT_FALSE(dialog.Check1[3].Checked());
  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes(), (Writes{{"Visible", "DateLabelVisible", "1"},
                                      {"Visible", "HourAndMinuteVisible", "1"},
                                      {"Visible", "SecondVisible", "1"},
                                      {"Visible", "AmAndPmVisible", "0"}}));
}

}  // namespace
}  // namespace quillbay
