#include "LogLine.h"

namespace vitrex::server {

std::string EscapeForLog(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '"' || c == '\\') {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string RequestLogLine(std::string_view address, std::string_view request, int status, std::uint64_t sent,
                           std::uint64_t promised) {
    std::string line = EscapeForLog(address) + " \"" + EscapeForLog(request) + "\" " +
                       std::to_string(status) + " " + std::to_string(sent);
    if (sent < promised) line += " of " + std::to_string(promised);
    return line;
}

}  // namespace vitrex::server
