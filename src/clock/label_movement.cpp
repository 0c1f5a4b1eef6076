#include "clock/label_movement.h"

namespace quillbay {

void MoveLabels(ClockState& state, const ui::ControlArray<ui::Label>& labels, double screenHeight) {
  for (int index = 0; index < 4; ++index) {
    ui::Label& label = labels[index];
    label.SetTop(label.Bounds().top + state.MoveStep[index]);
  }
  const ui::Rect date = labels[2].Bounds();
  const ui::Rect seconds = labels[1].Bounds();
  if (date.top < 0 || seconds.Bottom() > screenHeight) {
    for (double& step : state.MoveStep) step = -step;
  }
}

}  // namespace quillbay
