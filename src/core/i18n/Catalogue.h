#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/i18n/IniFile.h"

namespace vitrex::i18n {

// The texts of the chosen language: every key of the catalogue as the language file gives it.
// Pages read their messages, titles and filters from here when they show them, so a language
// change reaches them without copies. Before a file is loaded every key reads as its English
// default.
class Catalogue {
public:
    // Takes every catalogue key from the file; keys the file lacks read as their defaults again.
    void Load(const IniFile& file);
    // The file's value (an empty one included), else the key's English default from the table.
    std::string Text(std::string_view section, std::string_view key) const;
    // The file's value, else the given default: for a key whose targets have defaults of their own.
    std::string Text(std::string_view section, std::string_view key, std::string_view fallback) const;

    // The English texts: every key at its default.
    static const Catalogue& English();

private:
    // By "section\nkey" in lower case; only keys the file holds.
    std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace vitrex::i18n
