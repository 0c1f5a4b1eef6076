#pragma once

namespace quillbay {

// The nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4). Values
// beyond the int range give its nearest end; NaN gives 0.
int RoundHalfEven(double value);

}  // namespace quillbay
