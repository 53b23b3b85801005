#include "core/i18n/Catalogue.h"

#include "core/i18n/CatalogueKeys.h"
#include "core/text/AsciiCase.h"

namespace vitrex::i18n {

using text::LowerAscii;
namespace {

std::string Id(std::string_view section, std::string_view key) {
    return LowerAscii(section) + '\n' + LowerAscii(key);
}

// A value no file can hold (it has a line break), marking a key the file lacks.
constexpr std::string_view kMissing = "\n";

}  // namespace

const Catalogue& Catalogue::English() {
    static const Catalogue english;
    return english;
}

void Catalogue::Load(const IniFile& file) {
    values_.clear();
    for (const CatalogueKey& entry : CatalogueKeys()) {
        std::string value = file.Read(entry.section, entry.key, kMissing);
        if (value != kMissing) values_.insert_or_assign(Id(entry.section, entry.key), std::move(value));
    }
}

std::string Catalogue::Text(std::string_view section, std::string_view key) const {
    if (auto it = values_.find(Id(section, key)); it != values_.end()) return it->second;
    for (const CatalogueKey& entry : CatalogueKeys()) {
        if (Id(entry.section, entry.key) == Id(section, key)) return std::string(entry.englishDefault);
    }
    return {};
}

std::string Catalogue::Text(std::string_view section, std::string_view key, std::string_view fallback) const {
    if (auto it = values_.find(Id(section, key)); it != values_.end()) return it->second;
    return std::string(fallback);
}

}  // namespace vitrex::i18n
