#include "host/OpenSslHashing.h"

#include <openssl/evp.h>

#include "core/platform/Errors.h"

namespace vitrex::host {
namespace {

class EvpHash : public Hash {
public:
    EvpHash() : context_(EVP_MD_CTX_new()) {
        if (context_ == nullptr || EVP_DigestInit_ex(context_, EVP_sha256(), nullptr) != 1) {
            EVP_MD_CTX_free(context_);
            throw SystemError("SHA-256: EVP_DigestInit_ex failed", "EVP_DigestInit_ex");
        }
    }
    ~EvpHash() override { EVP_MD_CTX_free(context_); }
    EvpHash(const EvpHash&) = delete;
    EvpHash& operator=(const EvpHash&) = delete;

    void Update(std::string_view bytes) override {
        if (EVP_DigestUpdate(context_, bytes.data(), bytes.size()) != 1)
            throw SystemError("SHA-256: EVP_DigestUpdate failed", "EVP_DigestUpdate");
    }

    Sha256Digest Finish() override {
        Sha256Digest digest{};
        unsigned int length = 0;
        if (EVP_DigestFinal_ex(context_, digest.data(), &length) != 1 || length != digest.size())
            throw SystemError("SHA-256: EVP_DigestFinal_ex failed", "EVP_DigestFinal_ex");
        return digest;
    }

private:
    EVP_MD_CTX* context_;
};

}  // namespace

std::unique_ptr<Hash> OpenSslHashing::StartSha256() {
    return std::make_unique<EvpHash>();
}

}  // namespace vitrex::host
