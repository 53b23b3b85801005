#include "core/views/web/PageAddress.h"

#include "core/net/FormEncoding.h"

namespace vitrex::views::web {

std::string ProjectPage(const std::string& languageFileBase) {
    return "page.php?intern=1&language=" + net::PercentEncode(languageFileBase);
}

std::string LanguagesPage(const std::string& languageFileBase) {
    return ProjectPage(languageFileBase) + "&page=languages";
}

std::string DonationPage(const std::string& languageFileBase) {
    return "page.php?paypal=1&language=" + net::PercentEncode(languageFileBase);
}

}  // namespace vitrex::views::web
