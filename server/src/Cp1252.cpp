#include "Cp1252.h"

#include <cstdint>

#include "core/i18n/Cp1252.h"

namespace vitrex::server {
namespace {

// The length of the well-formed sequence starting at `at`, and its character; 0 when malformed.
std::size_t DecodeOne(std::string_view s, std::size_t at, char32_t& c) {
    const auto lead = static_cast<unsigned char>(s[at]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

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
        char32_t c = 0;
        const std::size_t length = DecodeOne(utf8, at, c);
        if (length == 0) {
            out += utf8[at++];
        } else {
            out += i18n::Cp1252Byte(c);
            at += length;
        }
    }
    return out;
}

}  // namespace vitrex::server
