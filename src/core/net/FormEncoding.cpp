#include "core/net/FormEncoding.h"

#include <cstdint>
#include <optional>

#include "core/text/Utf8.h"

namespace vitrex::net {
namespace {

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*' ||
           c == '-' || c == '.' || c == '_';
}

}  // namespace

std::string PercentEncode(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (Unreserved(c)) {
            encoded += byte;
        } else {
            encoded += '%';
            encoded += kDigits[c >> 4];
            encoded += kDigits[c & 0x0f];
        }
    }
    return encoded;
}

std::string AnsiWithReferences(std::string_view utf8, Files& files) {
    if (std::optional<std::string> whole = files.Utf8ToAnsiExactly(utf8)) return *whole;
    std::string ansi;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = text::NextUtf8(utf8, i);
        if (std::optional<std::string> one = files.Utf8ToAnsiExactly(utf8.substr(start, i - start))) {
            ansi += *one;
        } else {
            ansi += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
        }
    }
    return ansi;
}

std::string EncodeForm(const std::vector<FormField>& fields, Files& files) {
    std::string body;
    for (const FormField& field : fields) {
        body += PercentEncode(field.name);
        body += '=';
        body += PercentEncode(AnsiWithReferences(field.value, files));
        body += '&';
    }
    return body;
}

}  // namespace vitrex::net
