#pragma once

#include <string>
#include <string_view>

namespace vitrex::server {

// The program speaks 8-bit text in the Windows code page of Western systems; the server keeps its
// own files and its database in UTF-8. Every one of the 256 bytes reads as one character (the five
// bytes Windows leaves undefined become the control characters of the same number), so a stored
// report can always be turned back into the bytes that were sent.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters the code page lacks become "?"; malformed UTF-8 is taken byte by byte as Windows-1252.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace vitrex::server
