#pragma once

#include <string>
#include <string_view>

#include "common/random.h"
#include "platform/system_clock.h"

namespace quillbay {

// The About box varies the shared random sequence from the time of day, so that the face it
// hides does not show on the same openings in every run.

// Seconds since midnight in single precision, to the hundredth (finer parts are dropped).
float SecondsSinceMidnight(const LocalDateTime& time);

// The shortest decimal text of `value` with at most seven significant digits, without
// trailing zeros or a trailing point: 45296.23, 45296.5, 45296, 0.25. Values from 0.0001 up to
// 9999999 are written without an exponent.
std::string SevenDigitText(float value);

// The number written by the last two characters of a text ("23" gives 23, ".5" gives 0.5); a
// text that ends in no such number gives 0.
double NumberOfLastTwoCharacters(std::string_view text);

// Discards two draws for each step of a counter from 0 while it does not exceed the number of
// the last two characters of the seconds' text: 2 to 200 draws.
void StirRandom(Random& random, float secondsSinceMidnight);

}  // namespace quillbay
