#pragma once

#include <array>
#include <cstdint>

namespace vitrex {

// The check of the project's release key, which the program carries: only a file it signed is
// started as an update.
class ReleaseSignature {
public:
    virtual ~ReleaseSignature() = default;

    // Whether `signature` (r then s, 32 big-endian bytes each) is the release key's ECDSA P-256
    // signature of the SHA-256 digest `digest`. A check that cannot be made is no verification.
    virtual bool Verifies(const std::array<std::uint8_t, 32>& digest,
                          const std::array<std::uint8_t, 64>& signature) = 0;
};

}  // namespace vitrex
