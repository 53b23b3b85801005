#include <gtest/gtest.h>

#include "core/transparency/OwnAlphas.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::transparency {
namespace {

using fakes::kWsExLayered;
using fakes::kWsExToolWindow;
using fakes::kWsExTopmost;
using fakes::kWsExTransparent;

struct StyleRestore : ::testing::Test {
    fakes::FakeWindowSystem desktop;
    OwnAlphas own{desktop};
    WindowHandle window = Open();

    WindowHandle Open() {
        fakes::FakeWindow window;
        window.threadId = 7;
        window.exStyle = kWsExToolWindow;
        return desktop.AddWindow(window);
    }
};

TEST_F(StyleRestore, ClickThroughComesAndGoesWithEveryOtherBitKept) {
    ASSERT_EQ(own.MakeLayered(window, 153), WindowChange::Done);
    EXPECT_EQ(own.SetClickThrough(window, true), WindowChange::Done);
    EXPECT_TRUE(own.StyleOf(window).clickThrough);
    EXPECT_EQ(own.StyleOf(window).word, kWsExToolWindow | kWsExLayered | kWsExTransparent);
    EXPECT_EQ(own.GetLayeredAlpha(window), 153);
    EXPECT_EQ(own.SetClickThrough(window, false), WindowChange::Done);
    EXPECT_EQ(own.StyleOf(window).word, kWsExToolWindow | kWsExLayered);
    EXPECT_EQ(own.CurrentOwnAlpha(window), 153) << "the alpha is still the one this run gave";
}

TEST_F(StyleRestore, AWordWithoutTheLayeredStyleEndsTheAlphaNoteAndOneWithItKeepsIt) {
    const std::uint32_t before = own.StyleOf(window).word;
    own.MakeLayered(window, 153);
    own.SetTopmost(window, true);
    own.RestoreStyle(window, before | kWsExLayered | kWsExTopmost);
    EXPECT_EQ(own.CurrentOwnAlpha(window), 153);
    EXPECT_EQ(own.RestoreStyle(window, before), WindowChange::Done);
    EXPECT_EQ(own.StyleOf(window).word, kWsExToolWindow) << "topmost went with the word";
    EXPECT_FALSE(own.GetLayeredAlpha(window)) << "the system drops the attributes with the style";
    EXPECT_TRUE(own.Noted().empty());
}

TEST_F(StyleRestore, AWindowOfAProgramWithHigherRightsRefusesBothAndKeepsItsStyle) {
    desktop.Window(window).higherRights = true;
    EXPECT_EQ(own.SetClickThrough(window, true), WindowChange::Refused);
    EXPECT_EQ(own.RestoreStyle(window, kWsExTopmost), WindowChange::Refused);
    EXPECT_EQ(desktop.Window(window).exStyle, kWsExToolWindow);
    EXPECT_EQ(desktop.Window(window).refusedChanges, 2);
    EXPECT_EQ(own.SetClickThrough(0, true), WindowChange::Done) << "no window: nothing to refuse";
}

}  // namespace
}  // namespace vitrex::transparency
