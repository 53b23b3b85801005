#include <gtest/gtest.h>

#include <string_view>

#include "../../common/Sha256Vectors.h"
#include "core/net/Hex.h"
#include "win32/platform/Win32Hashing.h"

namespace vitrex::win32 {
namespace {

TEST(Win32Hashing, GivesTheStandardDigestsWholeAndInPieces) {
    Win32Hashing hashing;
    for (const auto& vector : testing::Sha256Vectors()) {
        auto whole = hashing.StartSha256();
        whole->Update(vector.message);
        EXPECT_EQ(net::Hex(whole->Finish()), vector.digest) << vector.label;
        for (std::size_t size : testing::Sha256PieceSizes()) {
            auto hash = hashing.StartSha256();
            const std::string_view message = vector.message;
            for (std::size_t at = 0; at < message.size(); at += size)
                hash->Update(message.substr(at, size));
            EXPECT_EQ(net::Hex(hash->Finish()), vector.digest) << vector.label << ", " << size;
        }
    }
}

}  // namespace
}  // namespace vitrex::win32
