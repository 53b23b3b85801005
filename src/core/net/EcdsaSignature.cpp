#include "core/net/EcdsaSignature.h"

#include <algorithm>
#include <vector>

namespace vitrex::net {
namespace {

std::optional<std::vector<std::uint8_t>> FromHex(std::string_view hex) {
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = digit(hex[i]);
        const int low = digit(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

// Reads one tag and its short-form length (a signature is far below 128 bytes) at `at`; the
// contents' span, or nothing when they do not fit.
struct Reader {
    const std::vector<std::uint8_t>& bytes;
    std::size_t at = 0;

    std::optional<std::pair<std::size_t, std::size_t>> Take(std::uint8_t tag) {
        if (at + 2 > bytes.size() || bytes[at] != tag || bytes[at + 1] >= 0x80) return std::nullopt;
        const std::size_t start = at + 2;
        const std::size_t length = bytes[at + 1];
        if (length > bytes.size() - start) return std::nullopt;
        at = start + length;
        return std::make_pair(start, length);
    }
};

// An INTEGER's contents as 32 big-endian bytes: positive, in its shortest form, at most 256 bits.
bool PutInteger(const std::vector<std::uint8_t>& bytes, std::size_t start, std::size_t length,
                std::uint8_t* out) {
    if (length == 0 || (bytes[start] & 0x80) != 0) return false;
    if (length > 1 && bytes[start] == 0 && (bytes[start + 1] & 0x80) == 0) return false;
    if (bytes[start] == 0) {
        ++start;
        --length;
    }
    if (length > 32) return false;
    std::fill_n(out, 32 - length, std::uint8_t{0});
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(start), length, out + (32 - length));
    return true;
}

}  // namespace

std::optional<std::array<std::uint8_t, 64>> EcdsaP256FromDerHex(std::string_view hex) {
    const auto bytes = FromHex(hex);
    if (!bytes) return std::nullopt;
    Reader outer{*bytes};
    const auto sequence = outer.Take(0x30);
    if (!sequence || outer.at != bytes->size()) return std::nullopt;
    Reader inner{*bytes, sequence->first};
    const auto r = inner.Take(0x02);
    const auto s = r ? inner.Take(0x02) : std::nullopt;
    if (!s || inner.at != bytes->size()) return std::nullopt;
    std::array<std::uint8_t, 64> signature{};
    if (!PutInteger(*bytes, r->first, r->second, signature.data()) ||
        !PutInteger(*bytes, s->first, s->second, signature.data() + 32)) {
        return std::nullopt;
    }
    return signature;
}

}  // namespace vitrex::net
