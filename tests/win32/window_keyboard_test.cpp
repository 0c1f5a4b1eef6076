#include <gtest/gtest.h>

#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/label.h"
#include "platform/ui/text_box.h"
#include "window_test_support.h"

namespace quillbay::win32 {
namespace {

using namespace test_support;

// Tab order: OK (0), the text box (1), the check box (2), Cancel (3); the label takes no focus.
struct SmallDialog : ui::Window {
  explicit SmallDialog(ui::WindowSystem& system) : ui::Window(system, "Small") {
    SetCaption("一般");
    SetClientBounds({1950, 1965, 5175, 3735});
    caption.SetCaption("伝言");
    caption.SetBounds({120, 120, 1000, 180});
    caption.SetTabIndex(4);
    box.SetCaption("伝言を絵画");
    box.SetBounds({120, 480, 1500, 180});
    box.SetTabIndex(2);
    cancel.SetCaption("ｷｬﾝｾﾙ");
    cancel.SetBounds({1920, 3240, 1455, 375});
    cancel.SetTabIndex(3);
    text.SetBounds({120, 960, 1575, 270});
    text.SetTabIndex(1);
    ok.SetCaption("OK");
    ok.SetBounds({360, 3240, 1455, 375});
    ok.SetTabIndex(0);
  }

  ui::Label caption{*this, "Label1"};
  ui::CheckBox box{*this, "Check2"};
  ui::CommandButton cancel{*this, "Command1", 1};
  ui::TextBox text{*this, "Text2"};
  ui::CommandButton ok{*this, "Command1", 0};
};

class KeyboardTest : public ::testing::Test {
 protected:
  HWND Child(const wchar_t* className, const wchar_t* text = L"") {
    return FindChild(HandleOf(system, dialog), className, text);
  }
  void Press(WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    PumpFor(system, 20);
  }

  Win32WindowSystem system;
  SmallDialog dialog{system};
};

TEST_F(KeyboardTest, TheFirstControlInTabOrderHasTheFocusWhenTheWindowShows) {
  dialog.Show();
  EXPECT_EQ(GetFocus(), Child(L"Button", L"OK"));
  EXPECT_EQ(dialog.FocusedControl(), &dialog.ok);
}

TEST_F(KeyboardTest, TheControlTheModelFocusedHasTheFocusWhenTheWindowShows) {
  dialog.Load();
  dialog.text.SetFocus();  // while hidden: taken when shown
  dialog.Show();
  EXPECT_EQ(GetFocus(), Child(L"Edit"));
}

TEST_F(KeyboardTest, TabMovesTheFocusInTabOrderAndTheModelFollows) {
  dialog.Show();
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Child(L"Edit"));
  EXPECT_EQ(dialog.FocusedControl(), &dialog.text);
  Press(VK_TAB);
  EXPECT_EQ(dialog.FocusedControl(), &dialog.box);
  Press(VK_TAB);
  EXPECT_EQ(dialog.FocusedControl(), &dialog.cancel);
  Press(VK_TAB);  // the label is skipped: round to OK
  EXPECT_EQ(dialog.FocusedControl(), &dialog.ok);
}

TEST_F(KeyboardTest, ModelFocusMovesTheRealFocus) {
  dialog.Show();
  dialog.cancel.SetFocus();
  EXPECT_EQ(GetFocus(), Child(L"Button", L"ｷｬﾝｾﾙ"));
}

TEST_F(KeyboardTest, EnterAndSpacePressTheFocusedButtonOnly) {
  int okClicks = 0, cancelClicks = 0, toggles = 0;
  dialog.ok.onClick = [&] { ++okClicks; };
  dialog.cancel.onClick = [&] { ++cancelClicks; };
  dialog.box.onClick = [&] { ++toggles; };
  dialog.Show();
  Press(VK_RETURN);
  EXPECT_EQ(okClicks, 1);
  dialog.cancel.SetFocus();
  Press(VK_SPACE);
  EXPECT_EQ(cancelClicks, 1);
  dialog.box.SetFocus();
  Press(VK_SPACE);
  EXPECT_TRUE(dialog.box.Checked());
  Press(VK_RETURN);  // no default button: Enter on a check box does nothing
  Press(VK_ESCAPE);  // nor does Esc: there is no cancel button
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(toggles, 1);
  EXPECT_TRUE(dialog.IsOpen());
}

TEST_F(KeyboardTest, KeyPreviewShowsTheKeysOfTheControlsToTheWindow) {
  std::vector<int> keys;
  dialog.onKeyDown = [&](int key) { keys.push_back(key); };
  dialog.Show();
  dialog.text.SetFocus();
  Press('A');
  EXPECT_TRUE(keys.empty());  // without key preview the controls keep their keys
  dialog.SetKeyPreview(true);
  Press('B');
  EXPECT_EQ(keys, std::vector<int>{'B'});
}

}  // namespace
}  // namespace quillbay::win32
