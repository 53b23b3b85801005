#include "testing/FakeReleaseSignature.h"

#include "core/net/Hex.h"
#include "host/OpenSslHashing.h"

namespace vitrex::fakes {
namespace {

std::array<std::uint8_t, 64> Made(const std::array<std::uint8_t, 32>& digest, std::uint8_t key) {
    std::array<std::uint8_t, 64> signature{};
    for (std::size_t i = 0; i < 32; ++i) {
        signature[i] = digest[i];
        signature[32 + i] = static_cast<std::uint8_t>(digest[31 - i] ^ key);
    }
    return signature;
}

// An INTEGER in DER: the shortest positive form.
std::string Integer(const std::uint8_t* bytes) {
    std::size_t start = 0;
    while (start < 31 && bytes[start] == 0)
        ++start;
    std::string contents;
    if ((bytes[start] & 0x80) != 0) contents += '\0';
    contents.append(reinterpret_cast<const char*>(bytes + start), 32 - start);
    return std::string{'\x02', static_cast<char>(contents.size())} + contents;
}

}  // namespace

std::string FakeReleaseSignature::DigestLine(std::string_view fileBytes) {
    const auto hash = host::OpenSslHashing().StartSha256();
    hash->Update(fileBytes);
    return net::Hex(hash->Finish());
}

std::string FakeReleaseSignature::SignatureLine(std::string_view fileBytes, std::uint8_t key) {
    const auto hash = host::OpenSslHashing().StartSha256();
    hash->Update(fileBytes);
    const auto signature = Made(hash->Finish(), key);
    const std::string body = Integer(signature.data()) + Integer(signature.data() + 32);
    const std::string der = std::string{'\x30', static_cast<char>(body.size())} + body;
    return net::Hex(std::span(reinterpret_cast<const std::uint8_t*>(der.data()), der.size()));
}

bool FakeReleaseSignature::Verifies(const std::array<std::uint8_t, 32>& digest,
                                    const std::array<std::uint8_t, 64>& signature) {
    ++checks;
    return signature == Made(digest, kReleaseKey);
}

}  // namespace vitrex::fakes
