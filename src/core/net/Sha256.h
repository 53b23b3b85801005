#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vitrex::net {

// SHA-256 over bytes fed in pieces, as a download arrives.
class Sha256 {
public:
    Sha256();
    void Update(std::string_view bytes);
    // The digest; the object is spent afterwards.
    std::array<std::uint8_t, 32> Finish();
    // The digest as 64 lower-case hex digits.
    std::string FinishHex();

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> buffer_{};
    std::size_t buffered_ = 0;
    std::uint64_t totalBytes_ = 0;
};

// A digest as 64 lower-case hex digits.
std::string Hex(const std::array<std::uint8_t, 32>& digest);

// The digest of the bytes in hex.
std::string Sha256Hex(std::string_view bytes);

}  // namespace vitrex::net
