#pragma once

#include <string>
#include <string_view>

namespace quillbay::win32 {

// Text is UTF-8 inside the program and UTF-16 at every Win32 call. Invalid sequences become
// U+FFFD rather than failing.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace quillbay::win32
