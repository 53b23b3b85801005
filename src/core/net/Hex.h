#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vitrex::net {

// The bytes as lower-case hex digits, two a byte.
std::string Hex(std::span<const std::uint8_t> bytes);

}  // namespace vitrex::net
