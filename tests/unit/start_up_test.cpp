#include "app/start_up.h"

#include <gtest/gtest.h>

#include "clock/form1.h"
#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

using headless::ProgramEnded;

// One start of the program with a command-line argument; Start() loads the clock window, which
// decides the mode, and returns once the saver waits for events.
struct ProgramRun {
  explicit ProgramRun(const std::string& argument) {
    machine.program.commandLine = "\"c:\\program files\\quillbay\\quillbay.scr\" " + argument;
  }
  void Start() { form.Show(); }

  headless::HeadlessMachine machine;
  Application app{machine.system};
  Form1 form{app, [this](Form1& loading) { return DispatchMode(app, loading); }};
};

TEST(StartUpTest, SaverHidesTheCursorOnceAndShowsTheClockWindow) {
  ProgramRun run("/s");
  run.Start();
  EXPECT_EQ(run.machine.cursor.showCalls, std::vector<bool>{false});
  EXPECT_EQ(run.machine.windows.ShownWindows(), std::vector<std::string>{"Form1"});
  EXPECT_TRUE(run.form.Timer1.Running());
}

TEST(StartUpTest, AboutAndSettingsShowTheirWindowModallyWithTheTickStoppedThenEnd) {
  const struct {
    const char* argument;
    const char* window;
  } cases[] = {{"/a", "AboutForm"}, {"-A", "AboutForm"}, {"", "ConfigForm"},
               {"/c", "ConfigForm"}, {"-C", "ConfigForm"}};
  for (const auto& c : cases) {
    ProgramRun run(c.argument);
    bool tickStoppedWhileShown = false;
    run.machine.windows.WhenShown(c.window, [&](ui::Window& shown) {
      tickStoppedWhileShown = !run.form.Timer1.Enabled();
      shown.Unload();
    });
    EXPECT_THROW(run.Start(), ProgramEnded) << c.argument;
    EXPECT_EQ(run.machine.windows.ShownWindows(), std::vector<std::string>{c.window});
    EXPECT_TRUE(tickStoppedWhileShown) << c.argument;
    EXPECT_TRUE(run.machine.cursor.showCalls.empty()) << c.argument;
  }
}

TEST(StartUpTest, OtherArgumentsEndAtOnceShowingNothing) {
  for (const char* argument : {"/p 123", "/C:123", "/x", "/S x"}) {
    ProgramRun run(argument);
    EXPECT_THROW(run.Start(), ProgramEnded) << argument;
    EXPECT_TRUE(run.machine.windows.ShownWindows().empty()) << argument;
    EXPECT_TRUE(run.machine.cursor.showCalls.empty()) << argument;
  }
}

TEST(StartUpTest, SecondCopyEndsBeforeReadingAnythingOrTouchingTheCursor) {
  ProgramRun run("/s");
  run.machine.instance.anotherCopyRunning = true;
  EXPECT_THROW(run.Start(), ProgramEnded);
  EXPECT_TRUE(run.machine.windows.ShownWindows().empty());
  EXPECT_TRUE(run.machine.cursor.showCalls.empty());
  EXPECT_EQ(run.machine.store.Reads(), 0);
}

TEST(StartUpTest, EveryClosingEventShowsTheCursorExactlyOnceAndEndsTheProgram) {
  const std::vector<std::function<void(Form1&)>> closings = {
      [](Form1& f) { f.PressKey('A'); },        [](Form1& f) { f.PressKey(0x1B); },
      [](Form1& f) { f.Click(); },              [](Form1& f) { f.Label1[0].Click(); },
      [](Form1& f) { f.Label1[3].Click(); },
  };
  for (std::size_t i = 0; i < closings.size(); ++i) {
    ProgramRun run("/s");
    run.Start();
    EXPECT_THROW(closings[i](run.form), ProgramEnded) << i;
    EXPECT_EQ(run.machine.cursor.showCalls, (std::vector<bool>{false, true})) << i;
  }
}

}  // namespace
}  // namespace quillbay
