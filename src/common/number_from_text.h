#pragma once

#include <string_view>

namespace quillbay {

// The number at the start of a text. Spaces, tabs and line feeds anywhere are ignored; an
// optional sign, digits with at most one decimal point and an optional exponent ("E" or "e",
// optional sign, digits) are read up to the first character that cannot continue the number.
// A text that does not start with a number gives 0.
//
// The result is always finite: a magnitude beyond the double range ("1e999") gives the
// largest finite double with its sign, one too small gives 0. A caller that turns the result
// into a whole number of milliseconds must still clamp it to the range it needs.
double NumberFromText(std::string_view text);

}  // namespace quillbay
