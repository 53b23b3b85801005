#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/views/exceptions/ExceptionsList.h"
#include "win32/platform/Win32TextCollation.h"

namespace vitrex::win32 {
namespace {

TEST(Win32TextCollation, OrdersWithoutRegardToCaseAndKeepsAccentedLettersBesideTheirBase) {
    Win32TextCollation collation;
    EXPECT_LT(collation.CompareIgnoringCase("A.exe", "b.exe"), 0);
    EXPECT_GT(collation.CompareIgnoringCase("b.exe", "A.exe"), 0);
    EXPECT_EQ(collation.CompareIgnoringCase("NOTEPAD.EXE", "notepad.exe"), 0);
    EXPECT_NE(collation.CompareIgnoringCase("notepad", "notepad.exe"), 0);

    std::vector<std::string> names{"zip.exe", "\xC3\x84rger.exe", "b.exe", "A.exe"};
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return collation.CompareIgnoringCase(a, b) < 0;
    });
    EXPECT_EQ(names, (std::vector<std::string>{"A.exe", "\xC3\x84rger.exe", "b.exe", "zip.exe"}));
    EXPECT_TRUE(views::exceptions::ListContains(names, "\xC3\xA4rger.EXE", collation));
}

TEST(Win32TextCollation, TheDecimalSeparatorIsTheLocalesOwnAndNeverADigit) {
    Win32TextCollation collation;
    const std::string separator = collation.DecimalSeparator();
    ASSERT_FALSE(separator.empty());
    EXPECT_EQ(separator.find_first_of("0123456789"), std::string::npos);
}

}  // namespace
}  // namespace vitrex::win32
