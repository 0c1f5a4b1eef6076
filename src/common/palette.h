#pragma once

#include "platform/ui/color.h"

namespace quillbay {

// The 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow,
// 7 white, 8 grey, 9 to 15 the light versions of 1 to 7. An index outside 0 to 15 gives black.
ui::Color PaletteColor(int index);

}  // namespace quillbay
