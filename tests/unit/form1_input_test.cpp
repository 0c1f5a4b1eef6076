#include <gtest/gtest.h>

#include <vector>

#include "clock_test_support.h"

namespace quillbay {
namespace {

using Form1InputTest = ClockTest;

// Every way the user touches the saver closes the clock window, which shows the cursor again
// once and ends the program.
TEST_F(Form1InputTest, AnyKeyOrClickEndsTheSaver) {
  const std::vector<std::pair<const char*, std::function<void(Form1&)>>> actions = {
      {"key Escape", [](Form1& clock) { clock.PressKey(27); }},
      {"key A", [](Form1& clock) { clock.PressKey('A'); }},
      {"click on the background", [](Form1& clock) { clock.Click(); }},
      {"click on Label1(0)", [](Form1& clock) { clock.Label1[0].Click(); }},
      {"click on Label1(1)", [](Form1& clock) { clock.Label1[1].Click(); }},
      {"click on Label1(2)", [](Form1& clock) { clock.Label1[2].Click(); }},
      {"click on Label1(3)", [](Form1& clock) { clock.Label1[3].Click(); }},
  };
  for (const auto& [name, act] : actions) {
    SCOPED_TRACE(name);
    ClockRun run;
    run.Start();
    run.Tick(5);
    EXPECT_THROW(act(*run.form), headless::ProgramEnded);
    EXPECT_EQ(run.machine.cursor.showCalls, std::vector<bool>{true});
    EXPECT_FALSE(run.form->IsOpen());
  }
}

}  // namespace
}  // namespace quillbay
