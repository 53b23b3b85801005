#include <gtest/gtest.h>

#include <string_view>

#include "../../common/Sha256Vectors.h"
#include "core/net/Hex.h"
#include "host/OpenSslHashing.h"

namespace vitrex {
namespace {

std::string DigestInPieces(Hashing& hashing, std::string_view message, std::size_t size) {
    auto hash = hashing.StartSha256();
    for (std::size_t at = 0; at < message.size(); at += size)
        hash->Update(message.substr(at, size));
    return net::Hex(hash->Finish());
}

TEST(OpenSslHashing, GivesTheStandardDigestsWholeAndInPieces) {
    host::OpenSslHashing hashing;
    for (const auto& vector : testing::Sha256Vectors()) {
        auto whole = hashing.StartSha256();
        whole->Update(vector.message);
        EXPECT_EQ(net::Hex(whole->Finish()), vector.digest) << vector.label;
        for (std::size_t size : testing::Sha256PieceSizes())
            EXPECT_EQ(DigestInPieces(hashing, vector.message, size), vector.digest)
                << vector.label << ", " << size;
    }
}

TEST(OpenSslHashing, HashesAreIndependentOfEachOther) {
    host::OpenSslHashing hashing;
    auto first = hashing.StartSha256();
    auto second = hashing.StartSha256();
    first->Update("ab");
    second->Update("abc");
    first->Update("c");
    EXPECT_EQ(net::Hex(first->Finish()), net::Hex(second->Finish()));
}

}  // namespace
}  // namespace vitrex
