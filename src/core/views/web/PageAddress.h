#pragma once

#include <string>

namespace vitrex::views::web {

// The project's pages, relative to its web server, for the language with the given code. The
// code is a language file's name, which a translator chooses: it is percent-encoded, so that a
// name with "&" or a blank cannot add to the query or break it.
std::string ProjectPage(const std::string& languageFileBase);
std::string LanguagesPage(const std::string& languageFileBase);
std::string DonationPage(const std::string& languageFileBase);

}  // namespace vitrex::views::web
