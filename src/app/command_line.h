#pragma once

#include <string>
#include <string_view>

namespace quillbay {

enum class Mode { About, Saver, Settings, None };

// The argument text: everything after the program's own path (quoted or not), without the blanks
// and tabs around it.
std::string ArgumentText(std::string_view commandLine);

// The mode the argument selects, compared after upper-casing and as a whole: "-A" or "/A", "-S" or
// "/S", "" or "-C" or "/C"; any other text (a preview "/P 123", "/C:123", "/S x") selects none.
Mode ModeFromArgument(std::string_view argument);

}  // namespace quillbay
