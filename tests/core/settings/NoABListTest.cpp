#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings/NoABList.h"

namespace vitrex::settings {
namespace {

using List = std::vector<std::string>;

TEST(NoABList, SplitsAtEveryKindOfLineBreak) {
    EXPECT_EQ(SplitNoABList("a\r\nb\rc\nd"), (List{"a", "b", "c", "d"}));
    // LF CR is two breaks, so it holds an empty line.
    EXPECT_EQ(SplitNoABList("a\n\rb"), (List{"a", "", "b"}));
}

TEST(NoABList, FinalBreakAddsNoEntryButAnEmptyMiddleLineIsKept) {
    EXPECT_EQ(SplitNoABList("a\r\n"), (List{"a"}));
    EXPECT_EQ(SplitNoABList("a\r"), (List{"a"}));
    EXPECT_EQ(SplitNoABList("a\r\n\r\nb\r\n"), (List{"a", "", "b"}));
    EXPECT_EQ(SplitNoABList("\r\n"), (List{""}));
    EXPECT_EQ(SplitNoABList("a\r\n\r\n"), (List{"a", ""}));
}

TEST(NoABList, EmptyTextIsTheEmptyList) {
    EXPECT_TRUE(SplitNoABList("").empty());
    EXPECT_EQ(JoinNoABList({}), "");
}

TEST(NoABList, JoinEndsEveryEntryWithCrLfAndSplitsBackToTheSameEntries) {
    const List entries = {"firefox.exe", "", "Zw\xC3\xB6lf Apps.exe"};
    const std::string text = JoinNoABList(entries);
    EXPECT_EQ(text, "firefox.exe\r\n\r\nZw\xC3\xB6lf Apps.exe\r\n");
    EXPECT_EQ(SplitNoABList(text), entries);
}

}  // namespace
}  // namespace vitrex::settings
