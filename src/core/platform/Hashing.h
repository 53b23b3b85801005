#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace vitrex {

using Sha256Digest = std::array<std::uint8_t, 32>;

// One SHA-256 digest being taken over bytes fed in pieces, as a file is read.
class Hash {
public:
    virtual ~Hash() = default;
    virtual void Update(std::string_view bytes) = 0;
    // The digest of everything fed; the hash is spent afterwards.
    virtual Sha256Digest Finish() = 0;
};

// The system's hashing.
class Hashing {
public:
    virtual ~Hashing() = default;
    // Throws Error when the system cannot hash.
    virtual std::unique_ptr<Hash> StartSha256() = 0;
};

}  // namespace vitrex
