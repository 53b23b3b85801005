#pragma once

#include <string>
#include <string_view>

namespace vitrex::i18n {

// The Windows code page of Western systems, which the shipped language files, the fake file
// system and the project's server speak. Every one of the 256 bytes reads as one character (the
// five bytes Windows leaves undefined become the control characters of the same number).
std::string Cp1252ToUtf8(std::string_view bytes);

// The byte of a character, '?' for one the code page lacks.
char Cp1252Byte(char32_t c);

}  // namespace vitrex::i18n
