#include "ReportText.h"

#include "core/text/Utf8.h"

namespace vitrex::server {
namespace {

int DigitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The length of the reference at `at` ("&#" already seen) and its character; 0 when it is none.
std::size_t ReadReference(std::string_view text, std::size_t at, char32_t& c) {
    std::size_t i = at + 2;
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    const std::size_t digits = i;
    std::uint32_t value = 0;
    for (; i < text.size() && DigitValue(text[i], hex) >= 0; ++i) {
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(DigitValue(text[i], hex));
        if (value > 0x10FFFF) return 0;
    }
    if (i == digits || i >= text.size() || text[i] != ';') return 0;
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    c = value;
    return i + 1 - at;
}

}  // namespace

std::string DecodeCharacterReferences(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = utf8.compare(i, 2, "&#") == 0 ? ReadReference(utf8, i, c) : 0;
        if (length == 0) {
            out += utf8[i++];
        } else {
            text::AppendUtf8(out, c);
            i += length;
        }
    }
    return out;
}

std::string WithVisibleNul(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        if (c == '\0') {
            out += "\xE2\x90\x80";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace vitrex::server
