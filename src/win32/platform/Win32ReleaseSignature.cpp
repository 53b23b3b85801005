#include "win32/platform/Win32ReleaseSignature.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>

namespace vitrex::win32 {
namespace {

// Owners of the two CNG handles, closed in the reverse order of their making.
struct Algorithm {
    BCRYPT_ALG_HANDLE handle = nullptr;
    ~Algorithm() {
        if (handle != nullptr) BCryptCloseAlgorithmProvider(handle, 0);
    }
};
struct Key {
    BCRYPT_KEY_HANDLE handle = nullptr;
    ~Key() {
        if (handle != nullptr) BCryptDestroyKey(handle);
    }
};

}  // namespace

bool Win32ReleaseSignature::Verifies(const std::array<std::uint8_t, 32>& digest,
                                     const std::array<std::uint8_t, 64>& signature) {
    Algorithm algorithm;
    if (!BCRYPT_SUCCESS(
            BCryptOpenAlgorithmProvider(&algorithm.handle, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0)))
        return false;
    // BCRYPT_ECCKEY_BLOB: magic and key size, then X and Y.
    std::array<std::uint8_t, sizeof(BCRYPT_ECCKEY_BLOB) + 64> blob{};
    const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(&header), sizeof header, blob.begin());
    std::copy(publicKey_.begin(), publicKey_.end(), blob.begin() + sizeof header);
    Key key;
    if (!BCRYPT_SUCCESS(BCryptImportKeyPair(algorithm.handle, nullptr, BCRYPT_ECCPUBLIC_BLOB, &key.handle,
                                            blob.data(), static_cast<ULONG>(blob.size()), 0)))
        return false;
    // The API takes non-const buffers that it only reads.
    std::array<std::uint8_t, 32> hash = digest;
    std::array<std::uint8_t, 64> rs = signature;
    return BCRYPT_SUCCESS(BCryptVerifySignature(key.handle, nullptr, hash.data(),
                                                static_cast<ULONG>(hash.size()), rs.data(),
                                                static_cast<ULONG>(rs.size()), 0));
}

}  // namespace vitrex::win32
