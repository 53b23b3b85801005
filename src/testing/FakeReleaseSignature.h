#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/ReleaseSignature.h"

namespace vitrex::fakes {

// Stands in for the release key: a signature is made of the file's digest and the key that made
// it, so a test can sign with the release key or another one, and the rule's use of the digest,
// the signature's decoding and the answer are all exercised.
class FakeReleaseSignature : public ReleaseSignature {
public:
    static constexpr std::uint8_t kReleaseKey = 0x5a;

    // The seventh information line for `fileBytes`: its SHA-256 in hex.
    static std::string DigestLine(std::string_view fileBytes);

    // The eighth information line for `fileBytes` signed with `key`: the DER signature in hex.
    static std::string SignatureLine(std::string_view fileBytes, std::uint8_t key = kReleaseKey);

    bool Verifies(const std::array<std::uint8_t, 32>& digest,
                  const std::array<std::uint8_t, 64>& signature) override;

    int checks = 0;
};

}  // namespace vitrex::fakes
