#include "core/net/ServerAddress.h"

#include <algorithm>
#include <cctype>

#include "core/net/ProjectLinks.h"

namespace vitrex::net {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The scheme a URL starts with, in lower case ("http" of "HTTP://x"); empty without one.
std::string SchemeOf(std::string_view url) {
    if (url.empty() || !IsAsciiLetter(url.front())) return {};
    std::string scheme;
    for (const char c : url) {
        if (c == ':') return scheme;
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return {};
        scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return {};
}

}  // namespace

std::string ServerBase(OperatingSystem& system) {
    std::string base = system.EnvironmentVariable(kServerVariable).value_or("");
    if (base.empty()) return kProjectServer;
    if (base.back() != '/') base += '/';
    return base;
}

bool IsHttps(std::string_view url) {
    constexpr std::string_view kScheme = "https://";
    return url.size() >= kScheme.size() &&
           std::equal(kScheme.begin(), kScheme.end(), url.begin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string Resolve(const std::string& base, const std::string& url) {
    if (!SchemeOf(url).empty()) return url;
    return base + url;
}

std::optional<std::string> WebAddress(const std::string& base, const std::string& url) {
    const bool unsafe = std::any_of(url.begin(), url.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == '\\';
    });
    if (unsafe || url.empty()) return std::nullopt;
    const std::string absolute = Resolve(base, url);
    const std::string scheme = SchemeOf(absolute);
    if (scheme != "http" && scheme != "https") return std::nullopt;
    // "http:" must name a host: "http:relative" and "http:/path" are no addresses of a server.
    if (absolute.compare(scheme.size(), 3, "://") != 0 || absolute.size() == scheme.size() + 3)
        return std::nullopt;
    return absolute;
}

}  // namespace vitrex::net
