#include "win32/platform/Win32Hashing.h"

#include <windows.h>

#include <bcrypt.h>

#include "win32/platform/SystemMessage.h"

namespace vitrex::win32 {
namespace {

// The provider and the hash object, destroyed in the reverse order of their making.
class CngHash : public Hash {
public:
    CngHash() {
        if (const NTSTATUS status =
                BCryptOpenAlgorithmProvider(&algorithm_, BCRYPT_SHA256_ALGORITHM, nullptr, 0);
            !BCRYPT_SUCCESS(status)) {
            algorithm_ = nullptr;
            ThrowErrorCode("BCryptOpenAlgorithmProvider", static_cast<std::uint32_t>(status), "SHA-256");
        }
        // No object buffer: the system allocates the hash's state itself.
        if (const NTSTATUS status = BCryptCreateHash(algorithm_, &hash_, nullptr, 0, nullptr, 0, 0);
            !BCRYPT_SUCCESS(status)) {
            BCryptCloseAlgorithmProvider(algorithm_, 0);
            ThrowErrorCode("BCryptCreateHash", static_cast<std::uint32_t>(status), "SHA-256");
        }
    }
    ~CngHash() override {
        BCryptDestroyHash(hash_);
        BCryptCloseAlgorithmProvider(algorithm_, 0);
    }
    CngHash(const CngHash&) = delete;
    CngHash& operator=(const CngHash&) = delete;

    void Update(std::string_view bytes) override {
        // The call takes a ULONG length and a non-const buffer that it only reads.
        constexpr std::size_t kLargestPiece = 1u << 30;
        while (!bytes.empty()) {
            const std::string_view piece = bytes.substr(0, kLargestPiece);
            auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(piece.data()));
            if (const NTSTATUS status = BCryptHashData(hash_, data, static_cast<ULONG>(piece.size()), 0);
                !BCRYPT_SUCCESS(status))
                ThrowErrorCode("BCryptHashData", static_cast<std::uint32_t>(status), "SHA-256");
            bytes.remove_prefix(piece.size());
        }
    }

    Sha256Digest Finish() override {
        Sha256Digest digest{};
        if (const NTSTATUS status =
                BCryptFinishHash(hash_, digest.data(), static_cast<ULONG>(digest.size()), 0);
            !BCRYPT_SUCCESS(status))
            ThrowErrorCode("BCryptFinishHash", static_cast<std::uint32_t>(status), "SHA-256");
        return digest;
    }

private:
    BCRYPT_ALG_HANDLE algorithm_ = nullptr;
    BCRYPT_HASH_HANDLE hash_ = nullptr;
};

}  // namespace

std::unique_ptr<Hash> Win32Hashing::StartSha256() {
    return std::make_unique<CngHash>();
}

}  // namespace vitrex::win32
