#include "Cp1252.h"

#include "core/i18n/Cp1252.h"
#include "core/text/Utf8.h"

namespace vitrex::server {

std::string Cp1252ToUtf8(std::string_view bytes) {
    return i18n::Cp1252ToUtf8(bytes);
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        if (static_cast<unsigned char>(utf8[at]) < 0x80) {
            out += utf8[at++];
            continue;
        }
        // A malformed byte goes on as it is; a character as its byte in the code page.
        const std::size_t start = at;
        const char32_t c = text::NextUtf8(utf8, at);
        if (c == 0xFFFD && at - start == 1) {
            out += utf8[start];
        } else {
            out += i18n::Cp1252Byte(c);
        }
    }
    return out;
}

}  // namespace vitrex::server
