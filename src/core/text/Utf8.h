#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vitrex::text {

// UTF-8 read and written character by character.

// The character at `i`, moving `i` past it. A malformed or cut sequence, an overlong form, a
// surrogate or a value past U+10FFFF reads as U+FFFD and moves on by one byte.
char32_t NextUtf8(std::string_view text, std::size_t& i);

// Appends the character; a surrogate or a value past U+10FFFF is appended as U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

// The text with every malformed sequence replaced by U+FFFD: what may be shown or stored as text.
std::string ValidUtf8(std::string_view text);

// How many UTF-16 units the text takes (what the system's edit fields count as characters).
std::size_t Utf16Length(std::string_view text);

// Little-endian UTF-16 as the system hands it over (a registry value, a performance-data name):
// whole code units only, up to the first NUL or the end; a lone surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);

// The text's longest start of at most `units` UTF-16 units that ends between two characters.
std::string_view HeldToUtf16Length(std::string_view text, std::size_t units);

}  // namespace vitrex::text
