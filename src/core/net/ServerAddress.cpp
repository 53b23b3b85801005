#include "core/net/ServerAddress.h"

#include <algorithm>
#include <cctype>

#include "core/app/ProjectLinks.h"

namespace vitrex::net {

std::string ServerBase(OperatingSystem& system) {
    std::string base = system.EnvironmentVariable(kServerVariable).value_or("");
    if (base.empty()) return app::kProjectServer;
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
    if (url.find("://") != std::string::npos) return url;
    return base + url;
}

}  // namespace vitrex::net
