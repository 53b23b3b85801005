#pragma once

#include <string>
#include <string_view>

#include "core/i18n/Catalogue.h"
#include "core/i18n/IniFile.h"
#include "testing/FakeFiles.h"

namespace vitrex::fakes {

// A catalogue loaded from INI text written in UTF-8, as a translator's editor saves it.
inline i18n::Catalogue CatalogueFrom(std::string_view utf8Ini) {
    FakeFiles codePage;
    i18n::Catalogue catalogue;
    catalogue.Load(i18n::IniFile::Parse("\xEF\xBB\xBF" + std::string(utf8Ini), codePage));
    return catalogue;
}

}  // namespace vitrex::fakes
