#pragma once

#include <functional>

#include "clock/clock_state.h"
#include "common/application.h"
#include "platform/ui/control_array.h"
#include "platform/ui/label.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"

namespace quillbay {

// The full-screen clock and the program's first window. Its load handler first lets the mode
// dispatch decide what this start of the program does; only in saver mode is the clock set up,
// shown and driven by its two timers. Any key, any click and any mouse movement close it, and
// closing it ends the program.
class Form1 : public ui::Window {
 public:
  // Decides the mode; returns true only for the saver, after hiding the cursor.
  using ModeDispatch = std::function<bool(Form1&)>;

  Form1(Application& app, ModeDispatch dispatch);

  // The clock tick (1 ms, as fast as the platform fires) and the background colour step.
  ui::Timer Timer1{*this, "Timer1"};
  ui::Timer Timer2{*this, "Timer2"};
  // 0 hours and minutes, 1 seconds, 2 date, 3 morning/afternoon word.
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};

 protected:
  void OnLoad() override;
  void OnUnload() override;

 private:
  void Setup();
  void OnKeyDown(int keyCode);
  void OnClick();
  void OnLabel1Click(int index);
  void OnTimer1Tick();
  void OnTimer2Tick();

  Application& app_;
  ModeDispatch dispatch_;
  ClockState state_;
  // Set while a tick runs: the time-signal flash lets pending messages run, and a timer tick
  // delivered then is skipped rather than run inside the one in progress.
  bool tickRunning_ = false;
};

}  // namespace quillbay
