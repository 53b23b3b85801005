#include "Sha256.h"

#include <array>
#include <fstream>

#include "core/net/Hex.h"
#include "host/OpenSslHashing.h"

namespace vitrex::server {

std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    host::OpenSslHashing hashing;
    const auto hash = hashing.StartSha256();
    std::array<char, 64 * 1024> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        hash->Update(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) return std::nullopt;
    return net::Hex(hash->Finish());
}

}  // namespace vitrex::server
