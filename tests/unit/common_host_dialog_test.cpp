#include <gtest/gtest.h>

#include <vector>

#include "common/host_dialog.h"
#include "platform/headless/fake_services.h"

namespace quillbay {
namespace {

using headless::WindowEnableCall;

TEST(EnableHostDialogTest, SwitchesTheFirstStandardDialogWindow) {
  headless::FakeHostWindows windows;
  windows.openClass = "#32770";
  windows.openWindow = 0x1234;
  EnableHostDialog(windows, false);
  EnableHostDialog(windows, true);
  EXPECT_EQ(windows.enableCalls, (std::vector<WindowEnableCall>{{0x1234, false}, {0x1234, true}}));
}

TEST(EnableHostDialogTest, WithoutADialogWindowPassesNoWindowAndReportsNothing) {
  headless::FakeHostWindows windows;
  windows.openClass = "Shell_TrayWnd";
  windows.openWindow = 0x99;
  EnableHostDialog(windows, false);
  EXPECT_EQ(windows.enableCalls, (std::vector<WindowEnableCall>{{0, false}}));
}

}  // namespace
}  // namespace quillbay
