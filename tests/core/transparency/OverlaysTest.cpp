#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/transparency/Alpha.h"
#include "core/transparency/Overlays.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::transparency {
namespace {

using fakes::kWsExLayered;
using fakes::kWsExToolWindow;
using fakes::kWsExTopmost;
using fakes::kWsExTransparent;

constexpr std::uint8_t kFortyPercent = 153;

struct OverlayDesk : ::testing::Test {
    fakes::FakeWindowSystem desktop;
    OwnAlphas own{desktop};
    RefusedWindows refused;
    int told = 0;
    Overlays overlays{own, refused, nullptr, [this] { ++told; }};

    WindowHandle Open(const std::string& title, std::uint32_t exStyle = 0) {
        static std::uint32_t thread = 100;
        ++thread;
        fakes::FakeWindow window;
        window.className = "App";
        window.title = title;
        window.processId = window.threadId = thread;
        window.exStyle = exStyle;
        return desktop.AddWindow(window);
    }
    bool IsOverlayNow(WindowHandle window) {
        const WindowStyle style = desktop.StyleOf(window);
        return style.layered && style.topmost && style.clickThrough;
    }
};

// How a window may be before it becomes an overlay, and what it carries while it is one.
struct EarlierState {
    const char* name;
    std::uint32_t exStyle;
    std::optional<std::uint8_t> alpha;
    std::optional<std::uint32_t> colorKey;
    bool perPixel;
    // The alpha came from this run (the engine, a hot key) rather than from the window's program.
    bool ours;
    std::optional<std::uint8_t> overlayAlpha;
};

const EarlierState kEarlierStates[] = {
    {"plain", kWsExToolWindow, std::nullopt, std::nullopt, false, false, kFortyPercent},
    {"topmost", kWsExTopmost, std::nullopt, std::nullopt, false, false, kFortyPercent},
    {"colour key of its program", kWsExLayered, std::nullopt, 0xFF00FF, false, false, kFortyPercent},
    {"opaque alpha of its program", kWsExLayered, 255, std::nullopt, false, false, kFortyPercent},
    {"translucent by its program", kWsExLayered, 200, 0x00FF00, false, false, 200},
    {"translucent by this run", kWsExLayered, 191, std::nullopt, false, true, 191},
    {"click-through already", kWsExLayered | kWsExTransparent | kWsExTopmost, 120, std::nullopt, false, false,
     120},
    {"per-pixel alpha", kWsExLayered, std::nullopt, std::nullopt, true, false, std::nullopt},
};

TEST_F(OverlayDesk, ReleaseGivesBackExactlyTheEarlierStyleTopmostAndAttributes) {
    for (const EarlierState& state : kEarlierStates) {
        SCOPED_TRACE(state.name);
        const WindowHandle window = Open(state.name, state.exStyle);
        fakes::FakeWindow& w = desktop.Window(window);
        w.colorKey = state.colorKey;
        w.perPixelAlpha = state.perPixel;
        if (state.ours) {
            own.MakeLayered(window, *state.alpha);
        } else {
            w.alpha = state.alpha;
        }

        ASSERT_EQ(overlays.Make(window), OverlayChange::Made);
        EXPECT_TRUE(IsOverlayNow(window));
        EXPECT_EQ(w.alpha, state.overlayAlpha);
        EXPECT_EQ(w.colorKey, state.colorKey) << "its program's colour key stays";
        EXPECT_EQ(w.perPixelAlpha, state.perPixel) << "per-pixel drawing is never given an alpha";
        EXPECT_EQ(overlays.BeforeOf(window)->styleWord, state.exStyle);

        ASSERT_TRUE(overlays.Release(window));
        EXPECT_EQ(w.exStyle, state.exStyle);
        EXPECT_EQ(w.alpha, state.alpha);
        EXPECT_EQ(w.colorKey, state.colorKey);
        EXPECT_EQ(w.perPixelAlpha, state.perPixel);
        EXPECT_EQ(own.CurrentOwnAlpha(window), state.ours ? state.alpha : std::nullopt)
            << "an alpha of this run is still noted as ours";
        EXPECT_FALSE(overlays.Holds(window));
        EXPECT_FALSE(overlays.Release(window)) << "released once";
    }
    EXPECT_TRUE(overlays.Empty());
}

TEST_F(OverlayDesk, TheHotKeyReleasesTheForegroundOverlayThenTheMostRecentThenMakesOne) {
    const WindowHandle video = Open("video");
    const WindowHandle chat = Open("chat");
    const WindowHandle work = Open("work");

    EXPECT_EQ(overlays.HotKey(video, false), OverlayChange::NotAllowed) << "the desktop, the taskbar, ...";
    EXPECT_TRUE(overlays.Empty());
    EXPECT_EQ(overlays.HotKey(video, true), OverlayChange::Made);
    // A click goes through the overlay, so the window beneath becomes the foreground window: the
    // same key releases the overlay rather than making that window one.
    EXPECT_EQ(overlays.HotKey(work, true), OverlayChange::Released);
    EXPECT_FALSE(IsOverlayNow(video));
    EXPECT_FALSE(IsOverlayNow(work));

    ASSERT_EQ(overlays.Make(video), OverlayChange::Made);
    ASSERT_EQ(overlays.Make(chat), OverlayChange::Made);
    EXPECT_EQ(overlays.Windows(), (std::vector<WindowHandle>{video, chat}));
    EXPECT_EQ(overlays.HotKey(video, true), OverlayChange::Released) << "the foreground overlay first";
    EXPECT_EQ(overlays.Windows(), std::vector<WindowHandle>{chat});
    EXPECT_EQ(overlays.HotKey(0, false), OverlayChange::Released) << "then the most recent one";
    EXPECT_TRUE(overlays.Empty());
    EXPECT_EQ(overlays.HotKey(0, true), OverlayChange::NotAllowed) << "no window at all";
}

TEST_F(OverlayDesk, ReleaseAllGivesEveryWindowBackAndCountsTheOnesStillThere) {
    const WindowHandle a = Open("a", kWsExTopmost);
    const WindowHandle b = Open("b");
    const WindowHandle gone = Open("gone");
    for (WindowHandle window : {a, b, gone})
        ASSERT_EQ(overlays.Make(window), OverlayChange::Made);
    EXPECT_EQ(overlays.Make(a), OverlayChange::Made) << "an overlay already";
    EXPECT_EQ(overlays.Windows().size(), 3u);
    desktop.RemoveWindow(gone);
    told = 0;

    EXPECT_EQ(overlays.ReleaseAll(), 2);
    EXPECT_EQ(desktop.Window(a).exStyle, kWsExTopmost);
    EXPECT_EQ(desktop.Window(b).exStyle, 0u);
    EXPECT_TRUE(overlays.Empty());
    EXPECT_EQ(told, 1) << "one change of the set";
    EXPECT_EQ(overlays.ReleaseAll(), 0);
    EXPECT_EQ(told, 1);
}

TEST_F(OverlayDesk, AWindowOfAProgramWithHigherRightsIsRefusedWithNothingHalfMade) {
    const WindowHandle admin = Open("admin", kWsExToolWindow);
    desktop.Window(admin).higherRights = true;
    EXPECT_EQ(overlays.Make(admin), OverlayChange::Refused);
    EXPECT_EQ(desktop.Window(admin).exStyle, kWsExToolWindow);
    EXPECT_TRUE(refused.Holds(admin, desktop.ThreadProcessOf(admin)));
    EXPECT_EQ(overlays.HotKey(admin, true), OverlayChange::Refused);
    EXPECT_EQ(desktop.Window(admin).refusedChanges, 1) << "asked once";
    EXPECT_TRUE(overlays.Empty());
    EXPECT_EQ(told, 0);

    // A system without layered windows: nothing changes either.
    const WindowHandle plain = Open("plain");
    desktop.SetLayeredAlphaAvailable(false);
    EXPECT_EQ(overlays.Make(plain), OverlayChange::NotAllowed);
    EXPECT_EQ(desktop.Window(plain).exStyle, 0u);
    EXPECT_EQ(overlays.Make(plain + 4000), OverlayChange::NotAllowed) << "no such window";
}

TEST_F(OverlayDesk, ClosedWindowsAreForgottenAndAHandleTakenSinceIsLeftAlone) {
    const WindowHandle closing = Open("closing");
    const WindowHandle staying = Open("staying");
    overlays.Make(closing);
    overlays.Make(staying);
    desktop.RemoveWindow(closing);
    told = 0;
    overlays.ForgetClosed();
    EXPECT_EQ(overlays.Windows(), std::vector<WindowHandle>{staying});
    EXPECT_EQ(told, 1);
    overlays.ForgetClosed();
    EXPECT_EQ(told, 1) << "nothing more closed";

    // Another program's new window gets the closed overlay's handle number.
    desktop.RemoveWindow(staying);
    fakes::FakeWindow stranger;
    stranger.processId = stranger.threadId = 9;
    desktop.AddWindowWithHandle(staying, stranger);
    EXPECT_TRUE(overlays.Release(staying));
    EXPECT_EQ(desktop.Window(staying).exStyle, 0u);
    EXPECT_EQ(desktop.ExStyleWrites(), 4) << "two overlays made, nothing given back to a stranger";
}

}  // namespace
}  // namespace vitrex::transparency
