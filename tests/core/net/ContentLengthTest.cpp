#include <gtest/gtest.h>

#include "core/net/ContentLength.h"

namespace vitrex::net {
namespace {

TEST(ContentLength, OnlyPlainDecimalDigitsAnnounceALength) {
    EXPECT_EQ(ParseContentLength("1048576"), 1048576);
    EXPECT_EQ(ParseContentLength("0042"), 42);
    EXPECT_EQ(ParseContentLength("9223372036854775807"), 9223372036854775807LL);
    // Missing, signed, padded, partly numeric or past 64 bits: no length, the bar just runs.
    for (const char* header :
         {"", "-1", "+5", " 5", "5 ", "12a", "0x10", "9223372036854775808", "99999999999999999999999"})
        EXPECT_EQ(ParseContentLength(header), 0) << header;
}

}  // namespace
}  // namespace vitrex::net
