#pragma once

#include <string>
#include <string_view>

namespace vitrex::win32 {

// Text is UTF-8 inside the program; the W APIs take UTF-16. Conversions at the boundary.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace vitrex::win32
