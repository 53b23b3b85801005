#pragma once

#include <array>
#include <cstdint>

namespace vitrex::win32 {

// The public key an update must be signed with (X then Y of the P-256 point). It is an input of
// the build: the program links the source made from keys/release-public.pem (or the key the build
// was configured with), the tests' program one made from the build tree's own test key.
extern const std::array<std::uint8_t, 64> kReleasePublicKey;

}  // namespace vitrex::win32
