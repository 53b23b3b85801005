#include "core/net/ServerText.h"

#include <algorithm>
#include <array>

#include "core/i18n/Cp1252.h"
#include "core/text/AsciiCase.h"
#include "core/text/Utf8.h"

namespace vitrex::net {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The value of the "charset" parameter, lower case and unquoted; empty when there is none.
std::string CharsetParameter(std::string_view contentType) {
    std::size_t at = contentType.find(';');
    while (at != std::string_view::npos) {
        std::string_view rest = contentType.substr(at + 1);
        const std::size_t end = rest.find(';');
        const std::string_view parameter = Trimmed(rest.substr(0, end));
        const std::size_t equals = parameter.find('=');
        if (equals != std::string_view::npos &&
            text::LowerAscii(Trimmed(parameter.substr(0, equals))) == "charset") {
            std::string_view value = Trimmed(parameter.substr(equals + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            return text::LowerAscii(value);
        }
        at = end == std::string_view::npos ? end : at + 1 + end;
    }
    return {};
}

}  // namespace

ReplyCharset CharsetOf(std::string_view contentType) {
    static constexpr std::array<std::string_view, 9> kSingleByte = {
        "windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1", "latin1", "l1", "us-ascii", "ascii"};
    const std::string charset = CharsetParameter(contentType);
    if (charset == "utf-8" || charset == "utf8") return ReplyCharset::Utf8;
    if (std::find(kSingleByte.begin(), kSingleByte.end(), charset) != kSingleByte.end())
        return ReplyCharset::Windows1252;
    return ReplyCharset::SystemAnsi;
}

std::string DecodeServerText(std::string_view body, std::string_view contentType, Files& files) {
    switch (CharsetOf(contentType)) {
        case ReplyCharset::Utf8:
            return text::ValidUtf8(body);
        case ReplyCharset::Windows1252:
            return i18n::Cp1252ToUtf8(body);
        case ReplyCharset::SystemAnsi:
            break;
    }
    return text::ValidUtf8(files.AnsiToUtf8(body));
}

std::string Excerpt(std::string_view reply, std::size_t length) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : reply.substr(0, length)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0x0F];
        }
    }
    if (reply.size() > length) out += "...";
    return out;
}

}  // namespace vitrex::net
