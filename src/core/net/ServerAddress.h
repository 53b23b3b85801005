#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/OperatingSystem.h"

namespace vitrex::net {

// Names another server for the program (a base URL ending in "/"): a test server, a mirror.
inline constexpr const char* kServerVariable = "VITREX_SERVER_URL";

// The base URL every request of the program starts from: the variable's value when it is set and
// not empty (a missing final "/" is added), else the project's own server.
std::string ServerBase(OperatingSystem& system);

// Whether the URL's scheme is https, letter case ignored.
bool IsHttps(std::string_view url);

// An absolute URL (one that starts with a scheme) as it is; anything else is taken relative to
// the base.
std::string Resolve(const std::string& base, const std::string& url);

// An address the server named (the download, the change log, the manual-update page) as the
// absolute http: or https: URL to fetch or open: an absolute one as it is, a relative one under
// the base. Nothing for any other scheme (file:, a protocol handler), a drive or share path
// ("C:\", "\\host\share"), or control characters: the program hands the shell or the
// downloader nothing else that a server names.
std::optional<std::string> WebAddress(const std::string& base, const std::string& url);

}  // namespace vitrex::net
