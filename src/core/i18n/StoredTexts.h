#pragma once

#include <string>

#include "core/i18n/Catalogue.h"

namespace vitrex::i18n {

// Texts composed from the catalogue that other parts of the program show later.

// The language's display name, as the language box lists it.
inline std::string LanguageDisplayName(const Catalogue& texts) {
    return texts.Text("Info", "language");
}
// The translator's mail address for the link; empty when the file gives none.
inline std::string TranslatorEmail(const Catalogue& texts) {
    return texts.Text("Info", "email", "");
}
// The language box's last item, which opens the page of further languages.
inline std::string MoreLanguagesEntry(const Catalogue& texts) {
    return texts.Text("TabGeneric", "More") + "...";
}
// What the bug report's mail field shows while it is empty.
inline std::string MailPlaceholder(const Catalogue& texts) {
    return "(" + texts.Text("TabReportBug", "OnlyIfAnswer") + ")";
}
// The window menu's quit entry.
inline std::string ExitEntry(const Catalogue& texts) {
    return texts.Text("Other", "Exit", "Exit");
}

}  // namespace vitrex::i18n
