#pragma once

#include <array>
#include <cstdint>

#include "core/platform/ReleaseSignature.h"

namespace vitrex::win32 {

// The release key's check through the system's cryptography (CNG): the key is the point of the
// P-256 curve the program was built with (X then Y, 32 big-endian bytes each).
class Win32ReleaseSignature : public ReleaseSignature {
public:
    explicit Win32ReleaseSignature(const std::array<std::uint8_t, 64>& publicKey) : publicKey_(publicKey) {}

    bool Verifies(const std::array<std::uint8_t, 32>& digest,
                  const std::array<std::uint8_t, 64>& signature) override;

private:
    std::array<std::uint8_t, 64> publicKey_;
};

}  // namespace vitrex::win32
