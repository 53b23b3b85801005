#include <gtest/gtest.h>

#include "EngineDesktop.h"
#include "core/transparency/EventFollower.h"

namespace vitrex::transparency {
namespace {

// The follower on the engine's desktop, switched on and ticked once over two windows.
struct Follower : testing::EngineDesktop {
    EventFollower follower{engine, desktop};
    WindowHandle a = 0, b = 0;

    void SetUp() override {
        a = Open("a.exe");
        b = Open("b.exe");
        desktop.SetForeground(a);
        follower.SwitchedOn(true);
        follower.Tick(settings);
    }
    // The user switches to `window`; the system reports it when `reported`.
    void Switch(WindowHandle window, bool reported) {
        desktop.SetForeground(window);
        if (reported) follower.OnEvent(settings, WindowEvent::Foreground, window);
    }
};

TEST_F(Follower, AReportedSwitchIsFollowedAtOnceAndNeedsNoPoll) {
    Switch(b, true);
    EXPECT_EQ(Alpha(b), kActive);
    EXPECT_EQ(Alpha(a), kInactive);
    follower.Tick(settings);
    EXPECT_FALSE(follower.PollingForeground());
}

TEST_F(Follower, WhereNoForegroundIsReportedTheFirstCaughtSwitchStartsThePoll) {
    Switch(b, false);
    EXPECT_EQ(Alpha(b), kInactive) << "nothing before the tick";
    follower.Tick(settings);
    EXPECT_EQ(Alpha(b), kActive);
    ASSERT_TRUE(follower.PollingForeground());

    // From now on the poll follows a switch between two ticks, and asks only for the foreground.
    Switch(a, false);
    const int writes = desktop.AlphaWrites();
    const int enumerations = desktop.Enumerations();
    follower.PollForeground(settings);
    EXPECT_EQ(Alpha(a), kActive);
    EXPECT_EQ(Alpha(b), kInactive);
    EXPECT_EQ(desktop.AlphaWrites(), writes + 2);
    follower.PollForeground(settings);
    EXPECT_EQ(desktop.AlphaWrites(), writes + 2) << "no change, no work";
    EXPECT_EQ(desktop.Enumerations(), enumerations);
}

TEST_F(Follower, AWatchedChangeIsFollowedLikeAPolledOneAndKeepsThePollOn) {
    // Seen while nothing polls (a late message of a watch just stopped): left to the tick.
    desktop.SetForeground(b);
    follower.OnEvent(settings, WindowEvent::ForegroundSeen, b);
    EXPECT_EQ(Alpha(b), kInactive);
    follower.Tick(settings);
    ASSERT_TRUE(follower.PollingForeground());

    desktop.SetForeground(a);
    follower.OnEvent(settings, WindowEvent::ForegroundSeen, a);
    EXPECT_EQ(Alpha(a), kActive);
    EXPECT_EQ(Alpha(b), kInactive);
    EXPECT_TRUE(follower.PollingForeground()) << "a watched change is no report of the system";
}

TEST_F(Follower, AMovedFocusIsFollowedAtOnceButIsNoForegroundReport) {
    // A new window takes the foreground as it is shown: its focus report meets it at the active
    // level, with no look at it again and no inactive level first.
    const WindowHandle created = Open("setup.exe", 0, false);
    follower.OnEvent(settings, WindowEvent::Created, created);
    desktop.Window(created).visible = true;
    desktop.SetForeground(created);
    follower.OnEvent(settings, WindowEvent::FocusMoved, created);
    EXPECT_EQ(Alpha(created), kActive);
    EXPECT_EQ(Alpha(a), kInactive);
    follower.LookAgain(settings);
    EXPECT_FALSE(follower.LookingAgain());

    // Focus within the same window: nothing to do.
    const int writes = desktop.AlphaWrites();
    follower.OnEvent(settings, WindowEvent::FocusMoved, created);
    EXPECT_EQ(desktop.AlphaWrites(), writes);

    // A program given the foreground back keeps its focus and reports nothing: the tick catches
    // it, and since no foreground report ever came, the poll starts.
    Switch(b, false);
    follower.Tick(settings);
    EXPECT_TRUE(follower.PollingForeground());
    desktop.SetForeground(created);
    follower.OnEvent(settings, WindowEvent::FocusMoved, created);
    EXPECT_EQ(Alpha(created), kActive);
    EXPECT_TRUE(follower.PollingForeground()) << "a moved focus does not stop the poll";
}

TEST_F(Follower, OnceReportsCameTwoCaughtSwitchesInARowStartThePollAndAReportStopsIt) {
    Switch(b, true);
    Switch(a, false);
    follower.Tick(settings);
    EXPECT_EQ(follower.Unannounced(), 1);
    EXPECT_FALSE(follower.PollingForeground()) << "one report may just have come late";
    Switch(b, true);
    EXPECT_EQ(follower.Unannounced(), 0);
    Switch(a, false);
    follower.Tick(settings);
    Switch(b, false);
    follower.Tick(settings);
    ASSERT_TRUE(follower.PollingForeground());

    Switch(a, true);
    EXPECT_FALSE(follower.PollingForeground()) << "the system reports after all";
}

TEST_F(Follower, ChangesMadeWhileTheEngineWasOffDoNotCountAsMissedReports) {
    follower.SwitchedOff();
    engine.SwitchOff();
    EXPECT_FALSE(follower.PollingForeground());
    desktop.SetForeground(b);
    follower.SwitchedOn(true);
    follower.Tick(settings);
    EXPECT_FALSE(follower.PollingForeground());
    EXPECT_EQ(Alpha(b), kActive);
}

TEST_F(Follower, ASystemThatReportsNothingIsPolledFromTheStartWhileTheEngineRuns) {
    follower.SwitchedOff();
    follower.SwitchedOn(false);
    EXPECT_TRUE(follower.PollingForeground());
    follower.SwitchedOff();
    EXPECT_FALSE(follower.PollingForeground());
}

TEST_F(Follower, ACreatedWindowIsLookedAtAgainUntilItShowsOrTheLooksRunOut) {
    const WindowHandle created = Open("setup.exe", 0, false);
    follower.OnEvent(settings, WindowEvent::Created, created);
    follower.OnEvent(settings, WindowEvent::Created, created);
    ASSERT_TRUE(follower.LookingAgain());
    follower.LookAgain(settings);
    EXPECT_EQ(Alpha(created), -1);
    desktop.Window(created).visible = true;
    follower.LookAgain(settings);
    EXPECT_EQ(Alpha(created), kInactive);
    EXPECT_FALSE(follower.LookingAgain());

    const WindowHandle neverShown = Open("service.exe", 0, false);
    follower.OnEvent(settings, WindowEvent::Created, neverShown);
    for (int look = 1; look < kLooksPerCreatedWindow; ++look)
        follower.LookAgain(settings);
    EXPECT_TRUE(follower.LookingAgain());
    follower.LookAgain(settings);
    EXPECT_FALSE(follower.LookingAgain()) << "left to the tick";
    EXPECT_FALSE(engine.Known().Contains(neverShown));
}

TEST_F(Follower, NothingHappensOnReportsWhileTheEngineIsOff) {
    follower.SwitchedOff();
    engine.SwitchOff();
    const WindowHandle shown = Open("late.exe");
    follower.OnEvent(settings, WindowEvent::Shown, shown);
    Switch(b, true);
    follower.PollForeground(settings);
    follower.LookAgain(settings);
    EXPECT_EQ(Alpha(shown), -1);
    EXPECT_EQ(Alpha(b), -1);
    EXPECT_FALSE(follower.LookingAgain());
}

}  // namespace
}  // namespace vitrex::transparency
