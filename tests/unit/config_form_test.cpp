#include "config/config_form.h"

#include <gtest/gtest.h>

#include <string>

#include "common/application.h"
#include "config/config1_form.h"
#include "config/config3_form.h"
#include "config_dialog_test_support.h"
#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

using headless::WindowEnableCall;

class ConfigFormTest : public ::testing::Test {
 protected:
  ConfigFormTest() {
    m.hostWindows.openClass = "#32770";
    m.hostWindows.openWindow = 42;
  }

  headless::HeadlessMachine m;
  Application app{m.system};
};

TEST_F(ConfigFormTest, WindowDefinitionWithTheFocusOnClose) {
  ConfigForm hub(app);
  hub.Load();
  EXPECT_EQ(hub.Name(), "ConfigForm");
  EXPECT_EQ(hub.Caption(), "設定");
  EXPECT_EQ(hub.ClientBounds().left, 1695);
  EXPECT_EQ(hub.ClientBounds().top, 1620);
  EXPECT_EQ(hub.ClientBounds().width, 3630);
  EXPECT_EQ(hub.ClientBounds().height, 2295);
  EXPECT_EQ(hub.Border(), ui::BorderStyle::FixedSingle);
  EXPECT_EQ(testing::TabOrder(hub),
            (std::vector<std::string>{"Command1 閉じる", "Command4(3) バージョン情報",
                                      "Command4(0) 一般関連", "Command4(1) 表示色関連",
                                      "Command4(2) 表示する項目"}));
  hub.Command4.ForEach([](int index, const ui::CommandButton& button) {
    EXPECT_EQ(button.Bounds().top, 120 + 360 * index) << index;
    EXPECT_EQ(button.Bounds().width, 3135) << index;
  });
  EXPECT_EQ(hub.Command1.Bounds().top, 1800);
  EXPECT_EQ(hub.Line1.From().y, 1680);
  EXPECT_EQ(hub.Line1.To().x, 3480);
  EXPECT_EQ(hub.Line1.LineColor(), ui::kWhite);
  EXPECT_EQ(testing::FocusedId(hub), "Command1");
}

TEST_F(ConfigFormTest, HostDialogIsOffWhileTheHubIsOpenIncludingItsDialogs) {
  ConfigForm hub(app);
  EXPECT_TRUE(m.hostWindows.enableCalls.empty());
  hub.Load();
  EXPECT_EQ(m.hostWindows.enableCalls, (std::vector<WindowEnableCall>{{42, false}}));

  std::size_t callsWhileDialogOpen = 0;
  m.windows.WhenShown("AboutForm", [&](ui::Window& about) {
    callsWhileDialogOpen = m.hostWindows.enableCalls.size();
    about.Unload();
  });
  hub.Command4[3].Click();
  EXPECT_EQ(callsWhileDialogOpen, 1u);
  EXPECT_EQ(m.hostWindows.enableCalls.size(), 1u);

  hub.Command1.Click();
  EXPECT_FALSE(hub.IsOpen());
  EXPECT_EQ(m.hostWindows.enableCalls, (std::vector<WindowEnableCall>{{42, false}, {42, true}}));
}

TEST_F(ConfigFormTest, ClosingTheHubAnyWayEnablesTheHostDialogAgain) {
  ConfigForm hub(app);
  hub.ShowModal();  // a showing without a script is closed at once
  EXPECT_FALSE(hub.IsOpen());
  EXPECT_EQ(m.hostWindows.enableCalls, (std::vector<WindowEnableCall>{{42, false}, {42, true}}));
}

TEST_F(ConfigFormTest, EachButtonOpensItsWindowModallyAndTheHubStaysOpen) {
  const char* kWindows[] = {"Config1Form", "Config2Form", "Config3Form", "AboutForm"};
  ConfigForm hub(app);
  hub.Load();
  std::vector<std::string> expected;
  for (int index : {0, 1, 2, 3, 0}) {
    hub.Command4[index].Click();
    expected.push_back(kWindows[index]);
    EXPECT_EQ(m.windows.ShownWindows(), expected);
    EXPECT_TRUE(hub.IsOpen());
  }
  EXPECT_TRUE(m.store.Writes().empty());
}

TEST_F(ConfigFormTest, ReopenedDialogShowsTheStoredValuesNotTheCancelledOnes) {
  ConfigForm hub(app);
  hub.Load();
  std::vector<std::string> seen;
  auto typeAndClose = [&](const char* text, int button) {
    m.windows.WhenShown("Config1Form", [&seen, text, button](ui::Window& shown) {
      auto& dialog = dynamic_cast<Config1Form&>(shown);
      seen.push_back(dialog.Text2.Text());
      dialog.Text2.Type(text);
      dialog.Command1[button].Click();
    });
  };
  typeAndClose("取り消す", 1);
  typeAndClose("保存する", 0);
  typeAndClose("", 1);
  for (int opening = 0; opening < 3; ++opening) hub.Command4[0].Click();
  EXPECT_EQ(seen, (std::vector<std::string>{"ユーザー名", "ユーザー名", "保存する"}));
}

TEST_F(ConfigFormTest, ItemsDialogUsesTheTimeFormatStoredByTheGeneralDialog) {
  ConfigForm hub(app);
  hub.Load();
  std::vector<bool> markerEnabled;
  auto readMarker = [&](ui::Window& shown) {
    auto& dialog = dynamic_cast<Config3Form&>(shown);
    markerEnabled.push_back(dialog.Check1[3].Enabled());
    dialog.Command1[1].Click();
  };
  auto chooseAmPm = [](int button) {
    return [button](ui::Window& shown) {
      auto& dialog = dynamic_cast<Config1Form&>(shown);
      dialog.Combo2.Select(1);
      dialog.Command1[button].Click();
    };
  };
  m.windows.WhenShown("Config1Form", chooseAmPm(1));
  m.windows.WhenShown("Config1Form", chooseAmPm(0));
  for (int i = 0; i < 2; ++i) m.windows.WhenShown("Config3Form", readMarker);
  hub.Command4[0].Click();
  hub.Command4[2].Click();
  hub.Command4[0].Click();
  hub.Command4[2].Click();
  EXPECT_EQ(markerEnabled, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace quillbay
