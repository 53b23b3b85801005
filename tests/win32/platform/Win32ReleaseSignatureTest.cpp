#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/net/EcdsaSignature.h"
#include "core/platform/Errors.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Files.h"
#include "win32/platform/Win32Hashing.h"
#include "win32/platform/Win32ReleaseSignature.h"

#include <windows.h>

namespace vitrex::win32 {
namespace {

// A key made for this test alone (its private half was thrown away) and what
// `openssl dgst -sha256 -sign` wrote with it for the three bytes "abc".
constexpr const char* kTestPublicKey =
    "1706a774ddf136870bff6ea9b8a1bb2657edfcf58e30a5caa890516086ac1d14"
    "3caff511dc6c40833ef4383d186d03450299e63697a4699cd4ac33bda3e0973f";
constexpr const char* kSignatureOfAbc =
    "304502204ba72eb41fd7565718add4d20b39e488e2212f165d35e042749a5047b2be2962022100c7887ecae4f4e061a5141d5f"
    "edea0f3a0a7cd1011c6702ef8c854834c15cf879";

std::array<std::uint8_t, 64> Key(const std::string& hex) {
    std::array<std::uint8_t, 64> key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<std::uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    return key;
}

std::array<std::uint8_t, 32> DigestOf(std::string_view bytes) {
    const auto hash = Win32Hashing().StartSha256();
    hash->Update(bytes);
    return hash->Finish();
}

// The signature as the server sends it, decoded as the program decodes it, against the system's
// verification.
TEST(Win32ReleaseSignature, TheSystemAcceptsOnlyTheKeysSignatureOfTheSameBytes) {
    Win32ReleaseSignature releaseKey(Key(kTestPublicKey));
    const auto signature = net::EcdsaP256FromDerHex(kSignatureOfAbc);
    ASSERT_TRUE(signature);
    EXPECT_TRUE(releaseKey.Verifies(DigestOf("abc"), *signature));

    EXPECT_FALSE(releaseKey.Verifies(DigestOf("abd"), *signature)) << "other bytes";
    auto changed = *signature;
    changed[40] ^= 0x01;
    EXPECT_FALSE(releaseKey.Verifies(DigestOf("abc"), changed)) << "a changed signature";
    EXPECT_FALSE(releaseKey.Verifies(DigestOf("abc"), {})) << "zeros";

    // Another key, and a point that lies on no curve, verify nothing.
    auto otherKey = Key(kTestPublicKey);
    otherKey[63] ^= 0x01;
    EXPECT_FALSE(Win32ReleaseSignature(otherKey).Verifies(DigestOf("abc"), *signature));
    EXPECT_FALSE(Win32ReleaseSignature({}).Verifies(DigestOf("abc"), *signature));
}

// What was checked stays what is started: while held, the file can be read (by the loader too)
// but not written, renamed or deleted.
TEST(Win32Files, AHeldFileCanBeReadButNotReplacedRenamedOrDeleted) {
    Win32Files files;
    const std::string path = files.TemporaryFolder() + "\\vitrex-held-test.bin";
    const std::string renamed = path + ".renamed";
    files.WriteWholeFile(path, "installer");
    {
        auto held = files.OpenHeld(path);
        std::string read(64, '\0');
        read.resize(held->Read(read.data(), read.size()));
        EXPECT_EQ(read, "installer");
        EXPECT_EQ(held->Read(read.data(), read.size()), 0u);
        EXPECT_EQ(files.ReadWholeFile(path), "installer") << "read sharing stays";
        EXPECT_THROW(files.WriteWholeFile(path, "another"), FileError);
        EXPECT_THROW(files.CreateForWriting(path), FileError);
        EXPECT_FALSE(files.RemoveFile(path));
        EXPECT_FALSE(::MoveFileExW(Widen(path).c_str(), Widen(renamed).c_str(), MOVEFILE_REPLACE_EXISTING));
    }
    EXPECT_EQ(files.ReadWholeFile(path), "installer");
    EXPECT_TRUE(files.RemoveFile(path)) << "let go";
    EXPECT_THROW(files.OpenHeld(path), FileError) << "a missing file";
}

}  // namespace
}  // namespace vitrex::win32
