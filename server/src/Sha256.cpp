#include "Sha256.h"

#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>

namespace vitrex::server {
namespace {

using Context = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

std::string Hex(const unsigned char* digest, unsigned length) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned i = 0; i < length; ++i) {
        out += kDigits[digest[i] >> 4];
        out += kDigits[digest[i] & 0x0F];
    }
    return out;
}

class Hasher {
public:
    Hasher() : context_(EVP_MD_CTX_new(), &EVP_MD_CTX_free) {
        ok_ = context_ && EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) == 1;
    }
    void Add(const void* data, std::size_t size) {
        ok_ = ok_ && EVP_DigestUpdate(context_.get(), data, size) == 1;
    }
    std::optional<std::string> Finish() {
        std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
        unsigned length = 0;
        if (!ok_ || EVP_DigestFinal_ex(context_.get(), digest.data(), &length) != 1) return std::nullopt;
        return Hex(digest.data(), length);
    }

private:
    Context context_;
    bool ok_ = false;
};

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
    Hasher hasher;
    hasher.Add(bytes.data(), bytes.size());
    return hasher.Finish().value_or(std::string());
}

std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    Hasher hasher;
    std::array<char, 64 * 1024> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        hasher.Add(buffer.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return hasher.Finish();
}

}  // namespace vitrex::server
