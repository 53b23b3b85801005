#include "FormDecoding.h"

namespace vitrex::server {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string DecodeFormComponent(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
                   HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

Form Form::Decode(std::string_view body, std::size_t largest_count) {
    Form form;
    while (!body.empty() && form.fields_.size() < largest_count) {
        const std::size_t end = body.find('&');
        const std::string_view pair = body.substr(0, end);
        body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            form.fields_.emplace_back(DecodeFormComponent(pair), std::string());
        } else {
            form.fields_.emplace_back(DecodeFormComponent(pair.substr(0, equals)),
                                      DecodeFormComponent(pair.substr(equals + 1)));
        }
    }
    return form;
}

std::optional<std::string> Form::Field(std::string_view name) const {
    for (const auto& [key, value] : fields_) {
        if (key == name) return value;
    }
    return std::nullopt;
}

}  // namespace vitrex::server
