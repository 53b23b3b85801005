#include <gtest/gtest.h>

#include "EngineDesktop.h"
#include "core/transparency/FullScreenWindows.h"
#include "core/transparency/RememberedPrograms.h"

namespace vitrex::transparency {
namespace {

// Two monitors side by side; the taskbar takes the bottom 40 pixels of the first one's work area.
constexpr WindowRect kFirst{0, 0, 1920, 1080};
constexpr WindowRect kSecond{1920, 0, 3200, 1024};
constexpr WindowRect kWorkArea{0, 0, 1920, 1040};
constexpr WindowRect kWindowed{100, 100, 900, 700};

struct FullScreen : testing::EngineDesktop {
    RememberedPrograms remembered{registry, "Software\\Vitrex\\Remembered"};

    FullScreen() {
        desktop.SetMonitors({kFirst, kSecond});
        engine.SetRemembered(&remembered);
    }
    WindowHandle OpenAt(const std::string& exe, WindowRect rect, const std::string& className = "AppWindow") {
        const WindowHandle window = Open(exe, 0, true, className);
        desktop.Window(window).rect = rect;
        return window;
    }
};

TEST_F(FullScreen, OnlyAWindowThatCoversItsWholeMonitorAndIsNotMaximisedCounts) {
    EXPECT_TRUE(CoversItsMonitor(desktop, OpenAt("video.exe", kFirst)));
    EXPECT_TRUE(CoversItsMonitor(desktop, OpenAt("slides.exe", kSecond))) << "on the second monitor";
    EXPECT_TRUE(CoversItsMonitor(desktop, OpenAt("game.exe", {-8, -8, 1928, 1088}))) << "larger than it";
    EXPECT_FALSE(CoversItsMonitor(desktop, OpenAt("editor.exe", kWorkArea))) << "the work area only";
    EXPECT_FALSE(CoversItsMonitor(desktop, OpenAt("mail.exe", {1920, 0, 3200, 1000})))
        << "short of the bottom";
    EXPECT_FALSE(CoversItsMonitor(desktop, OpenAt("small.exe", kWindowed)));
    const WindowHandle maximised = OpenAt("browser.exe", {-8, -8, 1928, 1088});
    desktop.Window(maximised).zoomed = true;
    EXPECT_FALSE(CoversItsMonitor(desktop, maximised)) << "maximised over a hidden taskbar";
    EXPECT_FALSE(CoversItsMonitor(desktop, OpenAt("explorer.exe", kFirst, "Progman")));
    EXPECT_FALSE(CoversItsMonitor(desktop, OpenAt("explorer.exe", kSecond, "workerw")));
    EXPECT_FALSE(CoversItsMonitor(desktop, OpenAt("explorer.exe", kFirst, "Shell_TrayWnd")));
    const WindowHandle closed = OpenAt("gone.exe", kFirst);
    desktop.RemoveWindow(closed);
    EXPECT_FALSE(CoversItsMonitor(desktop, closed));
}

TEST_F(FullScreen, AFullScreenWindowStaysOpaqueInFrontAndBehindAndGetsItsLevelWhenItLeaves) {
    const WindowHandle video = OpenAt("video.exe", kFirst);
    const WindowHandle slides = OpenAt("slides.exe", kSecond);
    const WindowHandle editor = OpenAt("editor.exe", kWorkArea);
    desktop.SetForeground(video);
    Tick();
    EXPECT_EQ(Alpha(video), -1) << "in front";
    EXPECT_EQ(Alpha(slides), -1) << "behind, on the other monitor";
    EXPECT_EQ(Alpha(editor), kInactive);

    desktop.SetForeground(editor);
    Tick();
    EXPECT_EQ(Alpha(video), -1) << "it lost the foreground";
    EXPECT_EQ(Alpha(editor), kActive);

    // Made smaller behind the foreground window, and in front.
    desktop.Window(video).rect = kWindowed;
    Tick();
    EXPECT_EQ(Alpha(video), kInactive);
    desktop.SetForeground(slides);
    Tick();
    desktop.Window(slides).rect = {2000, 0, 3000, 900};
    Tick();
    EXPECT_EQ(Alpha(slides), kActive);
}

TEST_F(FullScreen, AWindowThatGoesFullScreenLosesItsLevelInFrontAtOnceAndBehindWithinARound) {
    const WindowHandle player = OpenAt("player.exe", kWindowed);
    const WindowHandle game = OpenAt("game.exe", kWindowed);
    std::vector<WindowHandle> others;
    for (int i = 0; i < 5; ++i)
        others.push_back(OpenAt("tool" + std::to_string(i) + ".exe", kWindowed));
    desktop.SetForeground(player);
    Tick();
    ASSERT_EQ(Alpha(player), kActive);
    ASSERT_EQ(Alpha(game), kInactive);

    desktop.Window(player).rect = kFirst;
    Tick();
    EXPECT_EQ(Alpha(player), -1) << "the foreground is looked at every tick";

    desktop.Window(game).rect = kSecond;
    for (std::size_t i = 0; i < engine.Known().Size(); ++i)
        Tick();
    EXPECT_EQ(Alpha(game), -1) << "a window behind is found in turn";
    for (WindowHandle other : others)
        EXPECT_EQ(Alpha(other), kInactive);

    // Leaving full screen while behind is seen at the next tick.
    desktop.Window(game).rect = kWindowed;
    Tick();
    EXPECT_EQ(Alpha(game), kInactive);
}

TEST_F(FullScreen, MaximisedAndWorkAreaSizedWindowsKeepTheirLevels) {
    const WindowHandle maximised = OpenAt("browser.exe", {-8, -8, 1928, 1088});
    desktop.Window(maximised).zoomed = true;
    const WindowHandle workArea = OpenAt("editor.exe", kWorkArea);
    desktop.SetForeground(maximised);
    Tick();
    EXPECT_EQ(Alpha(maximised), kActive);
    EXPECT_EQ(Alpha(workArea), kInactive);
}

TEST_F(FullScreen, ExceptionsAndRememberedLevelsComeFirst) {
    exceptions.names = {"excepted.exe"};
    remembered.Remember("remembered.exe", {40, true});
    const WindowHandle excepted = OpenAt("excepted.exe", kFirst);
    desktop.Window(excepted).exStyle = fakes::kWsExLayered;
    desktop.Window(excepted).alpha = 100;
    const WindowHandle kept = OpenAt("remembered.exe", kSecond);
    const WindowHandle video = OpenAt("video.exe", kFirst);
    desktop.SetForeground(video);
    Tick();
    EXPECT_EQ(Alpha(excepted), 100) << "left exactly as its program made it";
    EXPECT_EQ(Alpha(kept), 153) << "the remembered level";
    EXPECT_TRUE(desktop.StyleOf(kept).topmost);
    EXPECT_EQ(Alpha(video), -1);

    desktop.SetForeground(kept);
    Tick();
    desktop.Window(kept).rect = kWindowed;
    Tick();
    EXPECT_EQ(Alpha(kept), 153) << "out of full screen as well";
}

TEST_F(FullScreen, AWindowItsProgramMadeLayeredGetsItsOwnAttributesBackWhenItGoesFullScreen) {
    const WindowHandle overlay = OpenAt("overlay.exe", kWindowed);
    desktop.Window(overlay).exStyle = fakes::kWsExLayered;
    desktop.Window(overlay).alpha = 200;
    const WindowHandle editor = OpenAt("editor.exe", kWindowed);
    desktop.SetForeground(editor);
    Tick();
    ASSERT_EQ(Alpha(overlay), kInactive);
    desktop.SetForeground(overlay);
    desktop.Window(overlay).rect = kFirst;
    Tick();
    EXPECT_EQ(Alpha(overlay), 200);
}

TEST_F(FullScreen, WithTheOptionOffFullScreenWindowsGetLevelsAndSwitchingItOffGivesThemBack) {
    const WindowHandle video = OpenAt("video.exe", kFirst);
    const WindowHandle editor = OpenAt("editor.exe", kWindowed);
    desktop.SetForeground(editor);
    Tick();
    ASSERT_EQ(Alpha(video), -1);

    settings.leaveFullScreenOpaque = false;
    Tick();
    EXPECT_EQ(Alpha(video), kInactive) << "switched off while the engine runs";
    desktop.SetForeground(video);
    Tick();
    EXPECT_EQ(Alpha(video), kActive);

    engine.SwitchOff();
    const WindowHandle other = OpenAt("other.exe", kSecond);
    Tick();
    EXPECT_EQ(Alpha(other), kInactive) << "met with the option off";

    settings.leaveFullScreenOpaque = true;
    Tick();
    EXPECT_EQ(Alpha(video), -1) << "switched on again: the foreground is looked at";
}

TEST_F(FullScreen, ReportedEventsLeaveAFullScreenWindowOpaque) {
    const WindowHandle editor = OpenAt("editor.exe", kWindowed);
    desktop.SetForeground(editor);
    Tick();
    const WindowHandle video = OpenAt("video.exe", kFirst);
    desktop.SetForeground(video);
    EXPECT_TRUE(engine.WindowShown(settings, video));
    EXPECT_EQ(Alpha(video), -1);
    EXPECT_EQ(Alpha(editor), kInactive);
    desktop.SetForeground(editor);
    engine.ForegroundChanged(settings, editor);
    EXPECT_EQ(Alpha(video), -1);
    EXPECT_EQ(Alpha(editor), kActive);
}

TEST_F(FullScreen, AQuietTickAsksForAFewRectanglesHoweverManyWindowsThereAre) {
    for (int i = 0; i < 200; ++i)
        OpenAt("app" + std::to_string(i) + ".exe", kWindowed);
    const WindowHandle video = OpenAt("video.exe", kFirst);
    desktop.SetForeground(video);
    Tick();
    const int before = desktop.RectQueries();
    Tick();
    EXPECT_LE(desktop.RectQueries() - before, 3) << "the foreground, the held windows, one in turn";
}

}  // namespace
}  // namespace vitrex::transparency
