#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vitrex::server {

// The file's SHA-256 in lower-case hex, as the program compares it with the update it downloaded;
// hashed in pieces with OpenSSL's libcrypto. Nothing when it cannot be read.
std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& path);

}  // namespace vitrex::server
