#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vitrex::server {

// Lower-case hex SHA-256, as the program compares it with the update it downloaded.
std::string Sha256Hex(std::string_view bytes);

// Hashes the file in pieces; nothing when it cannot be read.
std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& path);

}  // namespace vitrex::server
