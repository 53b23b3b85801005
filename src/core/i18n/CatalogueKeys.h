#pragma once

#include <span>
#include <string_view>

namespace vitrex::i18n {

// One text the program reads from a language file.
struct CatalogueKey {
    std::string_view section;
    std::string_view key;
    // The built-in English text used when the file, the section or the key is missing (for a
    // key with several targets, the first target's).
    std::string_view englishDefault;
};

// The section of texts the program shows that the caption tables do not hold.
inline constexpr std::string_view kOwnSection = "Vitrex";

// Every section and key a language file can hold, in the order they are read; a key read for
// several targets stands once.
std::span<const CatalogueKey> CatalogueKeys();

}  // namespace vitrex::i18n
