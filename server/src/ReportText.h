#pragma once

#include <string>
#include <string_view>

namespace vitrex::server {

// The program carries characters its code page lacks as numeric character references, as
// browsers do in forms: "&#26085;" or "&#x65E5;". Each well-formed reference to a Unicode scalar
// value (not 0, not a surrogate, at most 0x10FFFF) becomes that character in UTF-8; anything else
// stays as it was written.
std::string DecodeCharacterReferences(std::string_view utf8);

// A NUL ends a text in most tools that read the database (the sqlite3 shell shows it cut), so it
// is stored as the visible symbol for it, U+2400; the raw body keeps the byte.
std::string WithVisibleNul(std::string_view utf8);

}  // namespace vitrex::server
