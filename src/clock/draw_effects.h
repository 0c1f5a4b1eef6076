#pragma once

#include "clock/clock_state.h"
#include "common/application.h"
#include "platform/ui/window.h"

namespace quillbay {

// The drawing effects of one clock tick: DrawMessage, then DrawCircle. Both draw on the
// window itself, over the background and under the labels, and both take their randomness
// from the program's one generator in a fixed order, so a run is the same every time.
void DrawEffects(ClockState& state, ui::Window& window, Application& app);

// "WriteUserName" on: on about one tick in ten, writes "UserName" at a random place in a random
// colour (never black) at 25 to 30 points. The 41st message erases all drawings.
void DrawMessage(ClockState& state, ui::Window& window, Application& app);

// "WriteScreenMaru" on: on about one tick in five, draws a circle outline of random place,
// radius (below 1500 twips) and colour. Every 801st tick with the effect on erases all drawings.
void DrawCircle(ClockState& state, ui::Window& window, Application& app);

}  // namespace quillbay
