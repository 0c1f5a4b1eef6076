#include "config/config1_form.h"

#include <gtest/gtest.h>

#include <string>

#include "common/application.h"
#include "config_dialog_test_support.h"
#include "pickers/set_font_name.h"
#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

using testing::Writes;

class Config1FormTest : public ::testing::Test {
 protected:
  headless::HeadlessMachine m;
  Application app{m.system};
};

TEST_F(Config1FormTest, WindowDefinition) {
  Config1Form dialog(app);
  dialog.Load();
  EXPECT_EQ(dialog.Name(), "Config1Form");
  EXPECT_EQ(dialog.Caption(), "一般");
  EXPECT_EQ(dialog.ClientBounds().left, 1950);
  EXPECT_EQ(dialog.ClientBounds().top, 1965);
  EXPECT_EQ(dialog.ClientBounds().width, 5175);
  EXPECT_EQ(dialog.ClientBounds().height, 3735);
  EXPECT_EQ(dialog.Border(), ui::BorderStyle::FixedSingle);
  EXPECT_EQ(testing::TabOrder(dialog),
            (std::vector<std::string>{"Command1(0) OK",
                                      "Command1(1) ｷｬﾝｾﾙ",
                                      "HScroll2",
                                      "Check1(4) まめに表示／非表示切替え",
                                      "Check1(3) 時計部分を移動",
                                      "Frame2 伝言板",
                                      "Check2 伝言を絵画",
                                      "Text2",
                                      "Frame1(2) 表示形式",
                                      "Combo2",
                                      "Check1(2) 常に手前に表示",
                                      "Frame1(1) フォント",
                                      "Command3 ＭＳ Ｐゴシック",
                                      "Check1(1) 時報が鳴ったときフラッシュ",
                                      "Frame1(0) 時報",
                                      "Text1",
                                      "Command2 参照",
                                      "Combo1",
                                      "Check1(0) 円弧も絵画",
                                      "Label1(4) 速い",
                                      "Label1(3) 遅い",
                                      "Label1(2) 切替えﾀｲﾐﾝｸﾞ",
                                      "Check3 時間の数だけ繰り返し再生",
                                      "Command4 ﾍﾙﾌﾟ"}));
  // Controls in a frame are placed from the frame's corner.
  EXPECT_EQ(dialog.Command2.WindowBounds().left, 240 + 1920);
  EXPECT_EQ(dialog.Command2.WindowBounds().top, 1575 + 680);
  EXPECT_EQ(dialog.Command3.WindowBounds().left, 3120 + 120);
  EXPECT_EQ(dialog.Command3.WindowBounds().top, 1920 + 240);
  EXPECT_EQ(dialog.Text2.WindowBounds().top, 120 + 480);
  EXPECT_EQ(dialog.Combo2.WindowBounds().top, 1080 + 240);
  EXPECT_EQ(dialog.HScroll2.Min(), 0);
  EXPECT_EQ(dialog.HScroll2.Max(), 20);
  EXPECT_EQ(dialog.HScroll2.SmallChange(), 2);
  EXPECT_EQ(dialog.HScroll2.LargeChange(), 5);
  EXPECT_TRUE(dialog.Label1[2].AutoSize());
  EXPECT_TRUE(dialog.Label1[3].AutoSize());
  EXPECT_EQ(dialog.Label1[3].Bounds().left, 2640);
  EXPECT_EQ(dialog.Line1.From().y, 3120);
  EXPECT_EQ(dialog.Line1.To().x, 5040);
  EXPECT_EQ(dialog.Line1.LineColor(), ui::kWhite);
  EXPECT_EQ(dialog.Combo1.Items(), (std::vector<std::string>{"なし", "30分おき", "１時間おき"}));
  EXPECT_EQ(dialog.Combo2.Items(), (std::vector<std::string>{"24時間表記", "AM/PM", "午前/午後"}));
}

TEST_F(Config1FormTest, EmptyStoreShowsTheDefaults) {
  Config1Form dialog(app);
  dialog.Load();
  for (int index : {0, 1, 2, 3}) EXPECT_FALSE(dialog.Check1[index].Checked()) << index;
  EXPECT_TRUE(dialog.Check1[4].Checked());
  EXPECT_FALSE(dialog.Check2.Checked());
  EXPECT_FALSE(dialog.Check3.Checked());
  EXPECT_EQ(dialog.Combo1.ListIndex(), 0);
  EXPECT_EQ(dialog.Combo2.ListIndex(), 0);
  EXPECT_EQ(dialog.Text1.Text(), "");
  EXPECT_EQ(dialog.Text2.Text(), "ユーザー名");
  EXPECT_EQ(dialog.Command3.Caption(), "ＭＳ Ｐゴシック");
  EXPECT_EQ(dialog.HScroll2.Value(), 10);
  EXPECT_TRUE(dialog.HScroll2.Enabled());
  EXPECT_EQ(testing::FocusedId(dialog), "Command1(0)");
  EXPECT_TRUE(m.store.Writes().empty());
}

const Writes kDefaultWrites{{"Config", "WriteScreenMaru", "0"},
                            {"Config", "WindowToTop", "0"},
                            {"Aram", "AramTime", "0"},
                            {"Aram", "WavFileName", ""},
                            {"Aram", "TimeChangeWindowColor", "0"},
                            {"Config", "TimeFormat", "0"},
                            {"Config", "WriteUserName", "0"},
                            {"Config", "UserName", "ユーザー名"},
                            {"Config", "Move", "0"},
                            {"Config", "ChangeVisible", "1"},
                            {"Config", "VisibleChangeTime", "10"},
                            {"Config", "FontName", "ＭＳ Ｐゴシック"},
                            {"Config", "RePlayCountToHour", "0"}};

TEST_F(Config1FormTest, OkWithoutChangesWritesAllThirteenKeysInOrder) {
  Config1Form dialog(app);
  dialog.Load();
  dialog.Command1[0].Click();
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(m.store.Writes(), kDefaultWrites);
}

TEST_F(Config1FormTest, OkWritesWhatTheUserSetInEveryControl) {
  Config1Form dialog(app);
  dialog.Load();
  for (int index : {0, 1, 2, 3}) dialog.Check1[index].Toggle();
  dialog.Check2.Toggle();
  dialog.Check3.Toggle();
  dialog.Combo1.Select(2);
  dialog.Combo2.Select(1);
  dialog.Text1.Type("d:\\音\\時報.wav");
  dialog.Text2.Type("");
  dialog.HScroll2.Scroll(ui::ScrollAction::LineLeft);
  dialog.HScroll2.Scroll(ui::ScrollAction::PageRight);
  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes(), (Writes{{"Config", "WriteScreenMaru", "1"},
                                      {"Config", "WindowToTop", "1"},
                                      {"Aram", "AramTime", "2"},
                                      {"Aram", "WavFileName", "d:\\音\\時報.wav"},
                                      {"Aram", "TimeChangeWindowColor", "1"},
                                      {"Config", "TimeFormat", "1"},
                                      {"Config", "WriteUserName", "1"},
                                      {"Config", "UserName", ""},
                                      {"Config", "Move", "1"},
                                      {"Config", "ChangeVisible", "1"},
                                      {"Config", "VisibleChangeTime", "13"},
                                      {"Config", "FontName", "ＭＳ Ｐゴシック"},
                                      {"Config", "RePlayCountToHour", "1"}}));
}

TEST_F(Config1FormTest, StoredValuesAreShownAndCancelWritesNothing) {
  m.store.Preset("Config", "WriteScreenMaru", "1");
  m.store.Preset("Aram", "AramTime", "1");
  m.store.Preset("Aram", "WavFileName", "c:\\chime.wav");
  m.store.Preset("Config", "TimeFormat", "2");
  m.store.Preset("Config", "FontName", "Arial");
  m.store.Preset("Config", "UserName", "");
  m.store.Preset("Config", "VisibleChangeTime", "3");
  Config1Form dialog(app);
  dialog.Load();
  EXPECT_TRUE(dialog.Check1[0].Checked());
  EXPECT_EQ(dialog.Combo1.ListIndex(), 1);
  EXPECT_EQ(dialog.Text1.Text(), "c:\\chime.wav");
  EXPECT_EQ(dialog.Combo2.ListIndex(), 2);
  EXPECT_EQ(dialog.Command3.Caption(), "Arial");
  EXPECT_EQ(dialog.Text2.Text(), "");  // stored empty is not absent
  EXPECT_EQ(dialog.HScroll2.Value(), 3);

  dialog.Check1[0].Toggle();
  dialog.Text2.Type("x");
  app.SelectedFileName = "c:\\other.wav";
  m.windows.WhenShown("SetFileName", [](ui::Window& picker) { picker.Unload(); });
  dialog.Command2.Click();
  dialog.Command1[1].Click();
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_TRUE(m.store.Writes().empty());
}

TEST_F(Config1FormTest, SwitchingOffTheShowHideSwitchResetsAndLocksItsSpeed) {
  Config1Form dialog(app);
  dialog.Load();
  dialog.HScroll2.Scroll(ui::ScrollAction::ThumbPosition, 17);
  dialog.Check1[4].Toggle();
  EXPECT_EQ(dialog.HScroll2.Value(), 10);
  EXPECT_FALSE(dialog.HScroll2.Enabled());
  dialog.HScroll2.Scroll(ui::ScrollAction::PageRight);  // locked
  EXPECT_EQ(dialog.HScroll2.Value(), 10);

  dialog.Check1[4].Toggle();
  EXPECT_TRUE(dialog.HScroll2.Enabled());
  EXPECT_EQ(dialog.HScroll2.Value(), 10);
  dialog.HScroll2.Scroll(ui::ScrollAction::LineLeft);
  for (int index : {0, 1, 2, 3}) dialog.Check1[index].Toggle();  // no effect on the speed
  EXPECT_EQ(dialog.HScroll2.Value(), 8);
  EXPECT_TRUE(dialog.HScroll2.Enabled());
}

TEST_F(Config1FormTest, StoredSwitchOffOpensWithTheSpeedAtTenAndOkWritesTen) {
  m.store.Preset("Config", "ChangeVisible", "0");
  m.store.Preset("Config", "VisibleChangeTime", "3");
  Config1Form dialog(app);
  dialog.Load();
  EXPECT_FALSE(dialog.Check1[4].Checked());
  EXPECT_FALSE(dialog.HScroll2.Enabled());
  EXPECT_EQ(dialog.HScroll2.Value(), 10);
  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes()[9], (headless::SettingWrite{"Config", "ChangeVisible", "0"}));
  EXPECT_EQ(m.store.Writes()[10], (headless::SettingWrite{"Config", "VisibleChangeTime", "10"}));
}

TEST_F(Config1FormTest, SoundFilePickerResultIsTakenOnlyWhenItNamesAFile) {
  m.store.Preset("Aram", "WavFileName", "c:\\old.wav");
  Config1Form dialog(app);
  dialog.Load();

  m.windows.WhenShown("SetFileName", [&](ui::Window& picker) {
    app.SelectedFileName = "";  // the user cancelled
    picker.Unload();
  });
  dialog.Command2.Click();
  EXPECT_EQ(dialog.Text1.Text(), "c:\\old.wav");

  m.windows.WhenShown("SetFileName", [&](ui::Window& picker) {
    app.SelectedFileName = "e:\\サウンド\\鐘.wav";
    picker.Unload();
  });
  dialog.Command2.Click();
  EXPECT_EQ(dialog.Text1.Text(), "e:\\サウンド\\鐘.wav");

  // A picker that closes without answering must not bring back the earlier pick.
  dialog.Text1.Type("c:\\typed.wav");
  dialog.Command2.Click();
  EXPECT_EQ(dialog.Text1.Text(), "c:\\typed.wav");

  EXPECT_EQ(m.windows.ShownWindows(),
            (std::vector<std::string>{"SetFileName", "SetFileName", "SetFileName"}));
  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes()[3], (headless::SettingWrite{"Aram", "WavFileName", "c:\\typed.wav"}));
}

TEST_F(Config1FormTest, FontPickerRunsUnderTheHourglassAndItsChoiceIsStoredOnOk) {
  m.fonts.names = {"Arial", "ＭＳ 明朝", "ＭＳ Ｐゴシック"};
  Config1Form dialog(app);
  dialog.Load();
  ui::MousePointer pointerWhilePicking = ui::MousePointer::Default;
  m.windows.WhenShown("SetFontName", [&](ui::Window& shown) {
    pointerWhilePicking = dialog.Pointer();
    auto& picker = dynamic_cast<SetFontName&>(shown);
    const auto& names = picker.List1.Items();
    const auto mincho = std::find(names.begin(), names.end(), "ＭＳ 明朝");
    ASSERT_NE(mincho, names.end());
    picker.List1.Select(static_cast<int>(mincho - names.begin()));
    picker.Command1[0].Click();
  });
  dialog.Command3.Click();
  EXPECT_EQ(pointerWhilePicking, ui::MousePointer::Hourglass);
  EXPECT_EQ(dialog.Pointer(), ui::MousePointer::Default);
  EXPECT_EQ(dialog.Command3.Caption(), "ＭＳ 明朝");

  dialog.Command3.Click();  // closed without an answer: the caption stays
  EXPECT_EQ(dialog.Command3.Caption(), "ＭＳ 明朝");
  EXPECT_EQ(dialog.Pointer(), ui::MousePointer::Default);

  dialog.Command1[0].Click();
  EXPECT_EQ(m.store.Writes()[11], (headless::SettingWrite{"Config", "FontName", "ＭＳ 明朝"}));
}

TEST_F(Config1FormTest, HelpOpensTopicFourOfTheHelpFileBesideTheProgramOrByItsBareName) {
  Config1Form dialog(app);
  dialog.Load();
  dialog.Command4.Click();
  m.files.AddFile("c:\\program files\\quillbay\\QUILLBAY.HLP");
  dialog.Command4.Click();
  ASSERT_EQ(m.help.calls.size(), 2u);
  for (const headless::HelpCall& call : m.help.calls) {
    EXPECT_EQ(call.owner, &dialog);
    EXPECT_EQ(call.command, kHelpContext);
    EXPECT_EQ(call.context, 4u);
  }
  EXPECT_EQ(m.help.calls[0].helpFile, "QUILLBAY.HLP");
  EXPECT_EQ(m.help.calls[1].helpFile, "c:\\program files\\quillbay\\QUILLBAY.HLP");
  EXPECT_TRUE(dialog.IsOpen());
  EXPECT_TRUE(m.store.Writes().empty());
}

TEST_F(Config1FormTest, UnusableStoredValuesOpenWithTheDefaultOfTheirControl) {
  const std::string longText(64 * 1024, 'x');
  const std::pair<const char*, const char*> kBadValues[] = {
      {"WriteScreenMaru", "abc"},  {"WindowToTop", "2"},     {"TimeFormat", "3"},
      {"WriteUserName", "-1"},     {"Move", "1.5"},          {"ChangeVisible", "x"},
      {"VisibleChangeTime", "99"}, {"RePlayCountToHour", ""}};
  for (const auto& [key, value] : kBadValues) m.store.Preset("Config", key, value);
  m.store.Preset("Aram", "AramTime", "-1");
  m.store.Preset("Aram", "TimeChangeWindowColor", "1e3");
  m.store.Preset("Config", "UserName", longText);
  m.store.Preset("Config", "FontName", longText);
  Config1Form dialog(app);
  dialog.Load();
  EXPECT_EQ(dialog.Text2.Text(), longText);
  EXPECT_EQ(dialog.Command3.Caption(), longText);
  dialog.Command1[0].Click();
  Writes expected = kDefaultWrites;
  expected[7].value = longText;   // UserName
  expected[11].value = longText;  // FontName
  EXPECT_EQ(m.store.Writes(), expected);
}

}  // namespace
}  // namespace quillbay
