#pragma once

#include <span>
#include <string_view>

namespace vitrex::i18n {

// One text the program reads from a language file (the list is core/i18n/Texts.def).
struct CatalogueKey {
    std::string_view section;
    std::string_view key;
    // The built-in English text used when the file, the section or the key is missing.
    std::string_view englishDefault;
    // What the shipped English and German files say.
    std::string_view english;
    std::string_view german;
};

// The section of texts the program shows that the captions of the original design do not hold.
inline constexpr std::string_view kOwnSection = "Vitrex";

// Every section and key a language file can hold, in the order they are read; a key read for
// several targets stands once.
std::span<const CatalogueKey> CatalogueKeys();

}  // namespace vitrex::i18n
