// The two timers of the running clock. Timer1 runs every duty of a tick in a fixed order and
// ends the saver first thing when the mouse has moved; Timer2 steps the background colour.
// All counts of the effects are counts of Timer1 ticks, not of time.
#include "clock/background_color.h"
#include "clock/clock_text.h"
#include "clock/draw_effects.h"
#include "clock/form1.h"
#include "clock/label_movement.h"
#include "clock/label_visibility.h"
#include "clock/mouse_check.h"
#include "clock/time_signal.h"
#include "platform/ui/window_system.h"

namespace quillbay {

namespace {

// Marks a tick as running for as long as it runs, however it is left.
class TickInProgress {
 public:
  explicit TickInProgress(bool& running) : running_(running) { running_ = true; }
  ~TickInProgress() { running_ = false; }
  TickInProgress(const TickInProgress&) = delete;
  TickInProgress& operator=(const TickInProgress&) = delete;

 private:
  bool& running_;
};

}  // namespace

void Form1::OnTimer1Tick() {
  if (tickRunning_) return;
  TickInProgress inProgress(tickRunning_);
  if (CursorMoved(state_, app_.system.cursor)) {
    Unload();  // ends the program
    return;
  }
  UpdateClockText(Label1, app_.system.store, app_.system.clock);
  DrawEffects(state_, *this, app_);
  CheckChime(state_, *this, app_);
  if (state_.MoveStep[0] != 0) MoveLabels(state_, Label1, System().ScreenSize().height);
  ShuffleLabelVisibility(state_, Label1, app_.system.store, app_.random);
}

void Form1::OnTimer2Tick() {
  if (tickRunning_) return;
  TickInProgress inProgress(tickRunning_);
  StepBackgroundColor(state_, *this, app_.system.store);
}

}  // namespace quillbay
