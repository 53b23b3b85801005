#include "core/views/web/PageAddress.h"

namespace vitrex::views::web {

namespace {

// Letters, digits and "-._~" stay; every other byte becomes %XX.
std::string QueryValue(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                           byte == '~';
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

}  // namespace

std::string ProjectPage(const std::string& languageFileBase) {
    return "page.php?intern=1&language=" + QueryValue(languageFileBase);
}

std::string LanguagesPage(const std::string& languageFileBase) {
    return ProjectPage(languageFileBase) + "&page=languages";
}

std::string DonationPage(const std::string& languageFileBase) {
    return "page.php?paypal=1&language=" + QueryValue(languageFileBase);
}

}  // namespace vitrex::views::web
