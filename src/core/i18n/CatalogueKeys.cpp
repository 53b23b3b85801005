#include "core/i18n/CatalogueKeys.h"

namespace vitrex::i18n {
namespace {

// The list's texts; its targets are the pages' business.
#define VITREX_TEXT_OR(section, key, builtIn, english, german, ...) \
    CatalogueKey{section, key, builtIn, english, german},
#define VITREX_TEXT(section, key, english, german, ...) VITREX_TEXT_OR(section, key, english, english, german)
constexpr CatalogueKey kKeys[] = {
#include "core/i18n/Texts.def"
};
#undef VITREX_TEXT
#undef VITREX_TEXT_OR

}  // namespace

std::span<const CatalogueKey> CatalogueKeys() {
    return kKeys;
}

}  // namespace vitrex::i18n
