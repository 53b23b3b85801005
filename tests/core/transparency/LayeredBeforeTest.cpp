#include <gtest/gtest.h>

#include "EngineDesktop.h"

namespace vitrex::transparency {
namespace {

// Programs that make their own windows layered must find them as they left them.
using LayeredBefore = testing::EngineDesktop;

TEST_F(LayeredBefore, AWindowWithItsOwnAlphaGetsItBackAndStaysLayered) {
    const WindowHandle own = Open("player.exe");
    desktop.Window(own).exStyle = fakes::kWsExLayered | fakes::kWsExToolWindow;
    desktop.Window(own).alpha = 200;
    const WindowHandle plain = Open("editor.exe");
    desktop.SetForeground(plain);
    Tick();
    EXPECT_EQ(Alpha(own), kInactive);
    desktop.SetForeground(own);
    Tick();
    EXPECT_EQ(Alpha(own), kActive);

    engine.SwitchOff();
    EXPECT_EQ(Alpha(own), 200);
    EXPECT_EQ(desktop.Window(own).exStyle, fakes::kWsExLayered | fakes::kWsExToolWindow);
    EXPECT_EQ(Alpha(plain), -1);
}

TEST_F(LayeredBefore, AColourKeyIsGivenBackWithTheAlpha) {
    const WindowHandle keyed = Open("shaped.exe");
    desktop.Window(keyed).exStyle = fakes::kWsExLayered;
    desktop.Window(keyed).colorKey = 0xFF00FF;
    Tick();
    EXPECT_EQ(Alpha(keyed), kInactive);
    engine.SwitchOff();
    EXPECT_EQ(desktop.GetLayeredAttributes(keyed), (LayeredAttributes{0xFF00FF, std::nullopt}));
}

TEST_F(LayeredBefore, PerPixelWindowsAreNeverGivenAnAlphaNorCleared) {
    const WindowHandle perPixel = Open("widget.exe");
    desktop.Window(perPixel).exStyle = fakes::kWsExLayered;
    desktop.Window(perPixel).perPixelAlpha = true;
    const WindowHandle other = Open("editor.exe");
    desktop.SetForeground(perPixel);
    Tick();
    desktop.SetForeground(other);
    Tick();
    engine.SwitchOff();
    EXPECT_TRUE(desktop.Window(perPixel).perPixelAlpha);
    EXPECT_EQ(Alpha(perPixel), -2);
    EXPECT_TRUE(engine.Known().Empty());
}

TEST_F(LayeredBefore, AWindowThatTurnsToPerPixelAlphaWhileKnownIsLeftToItsProgram) {
    const WindowHandle window = Open("app.exe");
    const WindowHandle other = Open("other.exe");
    desktop.SetForeground(other);
    Tick();
    EXPECT_EQ(Alpha(window), kInactive);
    // Its program starts drawing it itself (or the handle now belongs to such a window).
    desktop.Window(window).alpha.reset();
    desktop.Window(window).perPixelAlpha = true;
    desktop.SetForeground(window);
    Tick();
    desktop.SetForeground(other);
    Tick();
    engine.SwitchOff();
    EXPECT_TRUE(desktop.Window(window).perPixelAlpha);
    EXPECT_NE(desktop.Window(window).exStyle & fakes::kWsExLayered, 0u);
}

TEST_F(LayeredBefore, WhatWasRememberedIsForgottenWhenSwitchedOff) {
    const WindowHandle own = Open("player.exe");
    desktop.Window(own).exStyle = fakes::kWsExLayered;
    desktop.Window(own).alpha = 200;
    Tick();
    engine.SwitchOff();
    // Its program drops the style itself before the next run of the engine.
    desktop.Window(own).exStyle = 0;
    Tick();
    engine.SwitchOff();
    EXPECT_EQ(Alpha(own), -1);
}

}  // namespace
}  // namespace vitrex::transparency
