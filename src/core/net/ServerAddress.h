#pragma once

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

// An absolute URL as it is; a path without a scheme is taken relative to the base.
std::string Resolve(const std::string& base, const std::string& url);

}  // namespace vitrex::net
