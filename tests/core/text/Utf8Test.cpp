#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/text/Utf8.h"

namespace vitrex::text {
namespace {

std::vector<char32_t> Characters(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();)
        out.push_back(NextUtf8(text, i));
    return out;
}

TEST(Utf8, WhatIsNotWellFormedReadsAsReplacementOneByteAtATime) {
    EXPECT_EQ(Characters("a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80"),
              (std::vector<char32_t>{U'a', 0xFC, 0x20AC, 0x1F600}));
    // A cut sequence, a stray continuation byte, an overlong "/", a surrogate, past U+10FFFF.
    for (const std::string& bad : {std::string("\xE2\x82"), std::string("\x80"), std::string("\xC0\xAF"),
                                   std::string("\xED\xA0\x80"), std::string("\xF4\x90\x80\x80")}) {
        const std::vector<char32_t> read = Characters(bad);
        EXPECT_EQ(read.size(), bad.size()) << "one replacement a byte";
        EXPECT_EQ(read.front(), 0xFFFDu);
    }
    EXPECT_EQ(ValidUtf8("ok \xC3\xBC \xFF end"), "ok \xC3\xBC \xEF\xBF\xBD end");
    EXPECT_EQ(ValidUtf8("\xEF\xBF\xBD"), "\xEF\xBF\xBD") << "a real replacement character stays one";
}

TEST(Utf8, SystemUtf16IsReadToItsNulAndCountedAsTheSystemCounts) {
    const std::vector<std::uint8_t> bytes{'A',  0,   0xFC, 0, 0x3D, 0xD8, 0x00, 0xDE, 0x00,
                                          0xD8, 'B', 0,    0, 0,    'C',  0,    7};
    EXPECT_EQ(Utf16LeToUtf8(bytes),
              "A\xC3\xBC\xF0\x9F\x98\x80\xEF\xBF\xBD"
              "B")
        << "a pair, a lone surrogate, the end at the NUL, an odd byte never read";
    EXPECT_EQ(Utf16Length("A\xC3\xBC\xF0\x9F\x98\x80"), 4u);
    EXPECT_EQ(HeldToUtf16Length("ab\xF0\x9F\x98\x80", 3), "ab") << "a pair is never cut in half";
    EXPECT_EQ(HeldToUtf16Length("ab\xF0\x9F\x98\x80", 4), "ab\xF0\x9F\x98\x80");
    std::string appended;
    AppendUtf8(appended, 0xD800);
    AppendUtf8(appended, 0x10FFFF);
    EXPECT_EQ(appended, "\xEF\xBF\xBD\xF4\x8F\xBF\xBF");
}

}  // namespace
}  // namespace vitrex::text
