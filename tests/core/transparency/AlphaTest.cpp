#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/transparency/Alpha.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::transparency {
namespace {

using fakes::kWsExLayered;
using fakes::kWsExToolWindow;

TEST(TransparencyToAlpha, TruncatesInIntegers) {
    const std::vector<std::pair<int, int>> table = {{0, 255},  {5, 242},  {10, 229}, {15, 216}, {20, 204},
                                                    {25, 191}, {30, 178}, {40, 153}, {50, 127}, {60, 102},
                                                    {70, 76},  {80, 51},  {90, 25},  {100, 0}};
    for (const auto& [percent, alpha] : table)
        EXPECT_EQ(TransparencyToAlpha(percent), alpha) << percent;
}

TEST(TransparencyToAlpha, HoldsPercentagesToZeroToHundred) {
    EXPECT_EQ(TransparencyToAlpha(-10), 255);
    EXPECT_EQ(TransparencyToAlpha(250), 0);
}

struct AlphaFixture : ::testing::Test {
    AlphaFixture() {
        fakes::FakeWindow notepad;
        notepad.className = "Notepad";
        notepad.exStyle = kWsExToolWindow;
        window = desktop.AddWindow(notepad);
    }
    fakes::FakeWindowSystem desktop;
    WindowHandle window = 0;
};

TEST_F(AlphaFixture, SetMakesTheWindowLayeredAndASecondSetReplacesTheAlpha) {
    EXPECT_TRUE(SetWindowTransparency(desktop, window, 10));
    EXPECT_EQ(desktop.Window(window).exStyle, kWsExToolWindow | kWsExLayered);
    EXPECT_EQ(desktop.Window(window).alpha, 229);

    EXPECT_TRUE(SetWindowTransparency(desktop, window, 60));
    EXPECT_EQ(desktop.Window(window).exStyle, kWsExToolWindow | kWsExLayered);
    EXPECT_EQ(desktop.Window(window).alpha, 102);
}

TEST_F(AlphaFixture, ZeroPercentIsOpaqueButStaysLayered) {
    SetWindowTransparency(desktop, window, 0);
    EXPECT_EQ(desktop.Window(window).alpha, 255);
    EXPECT_NE(desktop.Window(window).exStyle & kWsExLayered, 0u);
}

TEST_F(AlphaFixture, ClearRemovesOnlyTheLayeredFlag) {
    SetWindowTransparency(desktop, window, 50);
    EXPECT_TRUE(ClearWindowTransparency(desktop, window));
    EXPECT_EQ(desktop.Window(window).exStyle, kWsExToolWindow);
    EXPECT_FALSE(desktop.Window(window).alpha);
}

TEST_F(AlphaFixture, ClearingANeverLayeredWindowLeavesItsStyle) {
    EXPECT_TRUE(ClearWindowTransparency(desktop, window));
    EXPECT_EQ(desktop.Window(window).exStyle, kWsExToolWindow);
}

TEST_F(AlphaFixture, WithoutTheLayeredFunctionSetChangesNothingButClearStillWorks) {
    SetWindowTransparency(desktop, window, 30);
    desktop.SetLayeredAlphaAvailable(false);
    const int writes = desktop.ExStyleWrites();

    EXPECT_FALSE(SetWindowTransparency(desktop, window, 80));
    EXPECT_EQ(desktop.ExStyleWrites(), writes);
    EXPECT_EQ(desktop.Window(window).alpha, 178);

    EXPECT_TRUE(ClearWindowTransparency(desktop, window));
    EXPECT_EQ(desktop.Window(window).exStyle, kWsExToolWindow);
}

TEST_F(AlphaFixture, VanishedWindowIsHarmless) {
    desktop.RemoveWindow(window);
    EXPECT_TRUE(SetWindowTransparency(desktop, window, 40));
    EXPECT_TRUE(ClearWindowTransparency(desktop, window));
    EXPECT_EQ(desktop.ExStyleWrites(), 0);
}

}  // namespace
}  // namespace vitrex::transparency
