#include <gtest/gtest.h>

#include "EngineDesktop.h"
#include "core/transparency/Overlays.h"
#include "core/transparency/RememberedPrograms.h"

namespace vitrex::transparency {
namespace {

// The engine as the program runs it, beside the overlays.
struct OverlaidEngine : testing::EngineDesktop {
    OwnAlphas own{desktop};
    RefusedWindows refused;
    Overlays overlays{own, refused};
    Engine overlaid{own, eligibility, &own, nullptr, &overlays};

    void Tick() { overlaid.Tick(settings); }
    bool ClickThrough(WindowHandle window) { return desktop.StyleOf(window).clickThrough; }
};

TEST_F(OverlaidEngine, AnOverlayKeepsItsAlphaThroughForegroundChangesRelevelFullScreenAndSwitchOff) {
    for (const bool wholeGroup : {false, true}) {
        SCOPED_TRACE(wholeGroup ? "whole-group mode" : "only-active-window mode");
        settings.wholeGroupMode = wholeGroup;
        const WindowHandle video = Open("video.exe");
        const WindowHandle work = Open("work.exe");
        desktop.SetForeground(video);
        Tick();
        ASSERT_EQ(Alpha(video), kActive);
        ASSERT_EQ(overlays.Make(video), OverlayChange::Made);

        desktop.SetForeground(work);
        Tick();
        overlaid.ForegroundChanged(settings, video);
        overlaid.ForegroundChanged(settings, work);
        overlaid.Relevel(settings, ProgramKey(eligibility.GetWindowProcessName(video, true)));
        EXPECT_EQ(Alpha(video), kActive) << "foreground changes and a relevel";

        desktop.Window(video).rect = {0, 0, 1920, 1080};
        desktop.SetForeground(video);
        Tick();
        Tick();
        EXPECT_EQ(Alpha(video), kActive) << "full screen";

        overlaid.SwitchOff();
        EXPECT_EQ(Alpha(video), kActive) << "switch-off leaves it";
        EXPECT_TRUE(ClickThrough(video));
        EXPECT_EQ(Alpha(work), -1);
        overlays.ReleaseAll();
        desktop.RemoveWindow(video);
        desktop.RemoveWindow(work);
    }
}

TEST_F(OverlaidEngine, AWindowNeverMetIsMetOnceReleasedAndAKnownOneGetsItsLevelAtItsNextChange) {
    const WindowHandle work = Open("work.exe");
    const WindowHandle video = Open("video.exe");
    const WindowHandle chat = Open("chat.exe");
    ASSERT_EQ(overlays.Make(video), OverlayChange::Made);
    desktop.SetForeground(work);
    Tick();
    EXPECT_TRUE(overlaid.WindowShown(settings, video));
    Tick();
    EXPECT_EQ(Alpha(video), Overlays::kOpaqueOverlayAlpha) << "not met while it is an overlay";
    EXPECT_FALSE(overlaid.Known().Contains(video));
    EXPECT_EQ(Alpha(chat), kInactive);

    overlays.Release(video);
    EXPECT_EQ(Alpha(video), -1) << "back as it was";
    Tick();  // the same windows in the same order: the quiet path
    EXPECT_EQ(Alpha(video), kInactive) << "met as a new window";

    // A window the engine knew keeps the engine's alpha through being an overlay.
    ASSERT_EQ(overlays.Make(chat), OverlayChange::Made);
    desktop.SetForeground(chat);
    Tick();
    EXPECT_EQ(Alpha(chat), kInactive);
    overlays.Release(chat);
    EXPECT_EQ(Alpha(chat), kInactive);
    desktop.SetForeground(work);
    Tick();
    desktop.SetForeground(chat);
    Tick();
    EXPECT_EQ(Alpha(chat), kActive) << "its next change";
    overlaid.SwitchOff();
    EXPECT_EQ(Alpha(chat), -1);
    EXPECT_EQ(Alpha(video), -1);
}

}  // namespace
}  // namespace vitrex::transparency
