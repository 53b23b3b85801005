#include <gtest/gtest.h>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {
namespace {

TEST(TextConvert, KeepsCharactersOutsideTheAnsiCodePage) {
    const std::string utf8 =
        "C:\\Programme\\\xD0\x92\xD0\xB8\xD1\x82\xD1\x80\xD0\xB5\xD0\xBA\xD1\x81 \xE2\x82\xAC";
    const std::wstring wide = Widen(utf8);
    EXPECT_EQ(wide.size(), 22u);
    EXPECT_EQ(Narrow(wide), utf8);
    EXPECT_EQ(Widen(""), L"");
    EXPECT_EQ(Narrow(L""), "");
}

}  // namespace
}  // namespace vitrex::win32
