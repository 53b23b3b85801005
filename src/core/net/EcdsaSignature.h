#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vitrex::net {

// A release file's signature as the server sends it: the DER encoding that OpenSSL writes
// (SEQUENCE { INTEGER r, INTEGER s }) in hex digits of either case. Gives r and s as 32 big-endian
// bytes each, the form the system's verification takes; nothing for anything else (no hex, bytes
// after the sequence, a length that is not the shortest, a negative number or one over 32 bytes).
std::optional<std::array<std::uint8_t, 64>> EcdsaP256FromDerHex(std::string_view hex);

}  // namespace vitrex::net
