#include "Sha256.h"

#include <array>
#include <fstream>

#include "core/net/Sha256.h"

namespace vitrex::server {

// The program's own digest, so the server and the program that checks the update agree by
// construction.
std::string Sha256Hex(std::string_view bytes) {
    return net::Sha256Hex(bytes);
}

std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    net::Sha256 hasher;
    std::array<char, 64 * 1024> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        hasher.Update(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) return std::nullopt;
    return hasher.FinishHex();
}

}  // namespace vitrex::server
