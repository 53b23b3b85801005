#include "core/net/FormEncoding.h"

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

std::string EncodeForm(const std::vector<FormField>& fields, Files& files) {
    std::string body;
    for (const FormField& field : fields) {
        body += PercentEncode(field.name);
        body += '=';
        body += PercentEncode(files.Utf8ToAnsi(field.value));
        body += '&';
    }
    return body;
}

}  // namespace vitrex::net
