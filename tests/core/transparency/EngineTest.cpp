#include <gtest/gtest.h>

#include "EngineDesktop.h"

namespace vitrex::transparency {
namespace {

using Engine_ = testing::EngineDesktop;

TEST_F(Engine_, FirstTickGivesTheForegroundTheActiveLevelAndEveryOtherVisibleWindowTheInactiveOne) {
    const WindowHandle editor = Open("editor.exe");
    const WindowHandle mail = Open("mail.exe");
    const WindowHandle hidden = Open("tray.exe", 0, false);
    desktop.SetForeground(editor);
    Tick();
    EXPECT_EQ(Alpha(editor), kActive);
    EXPECT_EQ(Alpha(mail), kInactive);
    EXPECT_EQ(Alpha(hidden), -1);
    EXPECT_TRUE(engine.Known().Contains(editor));
    EXPECT_FALSE(engine.Known().Contains(hidden));
}

TEST_F(Engine_, WindowsOpenedLaterGetTheirLevelAtTheFirstTickThatSeesThemVisible) {
    const WindowHandle editor = Open("editor.exe");
    desktop.SetForeground(editor);
    Tick();
    const WindowHandle hidden = Open("setup.exe", 0, false);
    Tick();
    Tick();
    EXPECT_EQ(Alpha(hidden), -1);
    desktop.Window(hidden).visible = true;
    Tick();
    EXPECT_EQ(Alpha(hidden), kInactive);

    // Opened and activated between two ticks: active at once.
    const WindowHandle dialog = Open("dialog.exe");
    desktop.SetForeground(dialog);
    Tick();
    EXPECT_EQ(Alpha(dialog), kActive);
    EXPECT_EQ(Alpha(editor), kInactive);
}

TEST_F(Engine_, ATickWithoutAForegroundChangeTouchesOnlyNewlyVisibleWindows) {
    const WindowHandle a = Open("a.exe");
    Open("b.exe");
    const WindowHandle later = Open("c.exe", 0, false);
    desktop.SetForeground(a);
    Tick();
    // Another program changes a known window; the engine leaves it so.
    desktop.Window(a).alpha = 17;
    const int styleWrites = desktop.ExStyleWrites();
    const int alphaWrites = desktop.AlphaWrites();
    Tick();
    Tick();
    EXPECT_EQ(desktop.ExStyleWrites(), styleWrites);
    EXPECT_EQ(desktop.AlphaWrites(), alphaWrites);
    EXPECT_EQ(Alpha(a), 17);

    desktop.Window(later).visible = true;
    Tick();
    EXPECT_EQ(desktop.AlphaWrites(), alphaWrites + 1);
    EXPECT_EQ(Alpha(later), kInactive);
}

TEST_F(Engine_, OnlyActiveWindowModeMovesExactlyTheOldAndTheNewForegroundWindow) {
    const WindowHandle a = Open("a.exe", 7);
    const WindowHandle sameThread = Open("a.exe", 7);
    const WindowHandle b = Open("b.exe");
    const WindowHandle c = Open("c.exe");
    desktop.SetForeground(a);
    Tick();
    const int alphaWrites = desktop.AlphaWrites();
    desktop.SetForeground(b);
    Tick();
    EXPECT_EQ(Alpha(a), kInactive);
    EXPECT_EQ(Alpha(b), kActive);
    EXPECT_EQ(Alpha(sameThread), kInactive);
    EXPECT_EQ(Alpha(c), kInactive);
    EXPECT_EQ(desktop.AlphaWrites(), alphaWrites + 2);
}

TEST_F(Engine_, WholeGroupModeMovesBothGroupsInOneTick) {
    settings.wholeGroupMode = true;
    const WindowHandle a1 = Open("a.exe", 7);
    const WindowHandle a2 = Open("a.exe", 7);
    const WindowHandle b1 = Open("b.exe", 9);
    const WindowHandle b2 = Open("b.exe", 9);
    const WindowHandle other = Open("c.exe", 11);
    desktop.SetForeground(a1);
    Tick();
    EXPECT_EQ(Alpha(a1), kActive);
    EXPECT_EQ(Alpha(a2), kActive);
    EXPECT_EQ(Alpha(b1), kInactive);

    desktop.SetForeground(b2);
    Tick();
    EXPECT_EQ(Alpha(a1), kInactive);
    EXPECT_EQ(Alpha(a2), kInactive);
    EXPECT_EQ(Alpha(b1), kActive);
    EXPECT_EQ(Alpha(b2), kActive);
    EXPECT_EQ(Alpha(other), kInactive);

    // The next tick with the same foreground ends the change: nothing is given again.
    const int alphaWrites = desktop.AlphaWrites();
    Tick();
    EXPECT_EQ(desktop.AlphaWrites(), alphaWrites);

    // Within the group, the whole group gets the active level again; the other group is left.
    desktop.Window(b1).alpha = 50;
    desktop.Window(b2).alpha = 50;
    desktop.Window(a1).alpha = 50;
    desktop.SetForeground(b1);
    Tick();
    EXPECT_EQ(Alpha(b1), kActive);
    EXPECT_EQ(Alpha(b2), kActive);
    EXPECT_EQ(Alpha(a1), 50);
}

TEST_F(Engine_, SwitchingOffClearsEveryKnownWindowThatIsAllowedNow) {
    const WindowHandle a = Open("a.exe");
    const WindowHandle excepted = Open("keep.exe");
    const WindowHandle laterExcepted = Open("late.exe");
    exceptions.names = {"keep.exe"};
    desktop.SetForeground(a);
    Tick();
    EXPECT_EQ(Alpha(excepted), -1);
    EXPECT_TRUE(engine.Known().Contains(excepted));
    // Made translucent by hand while refused; allowed by the time the engine stops.
    desktop.Window(excepted).exStyle |= fakes::kWsExLayered;
    desktop.Window(excepted).alpha = 100;
    exceptions.names = {"late.exe"};

    engine.SwitchOff();
    EXPECT_EQ(Alpha(a), -1);
    EXPECT_EQ(Alpha(excepted), -1);
    // Refused now, so it keeps its level: why the list is edited only while the engine is off.
    EXPECT_EQ(Alpha(laterExcepted), kInactive);
    EXPECT_TRUE(engine.Known().Empty());

    // Switched on again, every window is dealt with afresh.
    exceptions.names.clear();
    Tick();
    EXPECT_EQ(Alpha(a), kActive);
    EXPECT_EQ(Alpha(excepted), kInactive);
}

TEST_F(Engine_, SwitchingOffKeepsTheLastForegroundWindowForTheNextSwitchOn) {
    const WindowHandle a = Open("a.exe");
    const WindowHandle b = Open("b.exe");
    desktop.SetForeground(a);
    Tick();
    engine.SwitchOff();
    // While the engine is off, the user moves to b and a is hidden: only the remembered
    // foreground reaches a at the next switch-on, the enumeration skips it.
    desktop.SetForeground(b);
    desktop.Window(a).visible = false;
    Tick();
    EXPECT_EQ(Alpha(a), kInactive);
    EXPECT_EQ(Alpha(b), kActive);
}

TEST_F(Engine_, TheTaskbarIsNeverTouchedByTheTickNorBySwitchingOff) {
    const WindowHandle taskbar = Open("explorer.exe", 0, true, "Shell_TrayWnd", "");
    desktop.Window(taskbar).exStyle = fakes::kWsExLayered;
    desktop.Window(taskbar).alpha = 127;
    const WindowHandle a = Open("a.exe");
    desktop.SetForeground(a);
    Tick();
    desktop.SetForeground(taskbar);
    Tick();
    desktop.SetForeground(a);
    Tick();
    EXPECT_EQ(Alpha(taskbar), 127);
    engine.SwitchOff();
    EXPECT_EQ(Alpha(taskbar), 127);
}

TEST_F(Engine_, ANewWindowWithTheHandleOfAClosedKnownOneGetsALevelOnlyWithTheForeground) {
    const WindowHandle a = Open("a.exe");
    const WindowHandle closing = Open("b.exe");
    desktop.SetForeground(a);
    Tick();
    desktop.RemoveWindow(closing);
    Tick();
    fakes::FakeWindow reborn;
    reborn.processId = processIds["b.exe"];
    desktop.AddWindowWithHandle(closing, reborn);
    Tick();
    EXPECT_EQ(Alpha(closing), -1);
    desktop.SetForeground(closing);
    Tick();
    EXPECT_EQ(Alpha(closing), kActive);
}

TEST_F(Engine_, WindowsMovingInZOrderOrClosingDoNotConfuseWhatIsKnown) {
    std::vector<WindowHandle> windows;
    for (int i = 0; i < 6; ++i)
        windows.push_back(Open("p" + std::to_string(i) + ".exe", 0, i % 2 == 0));
    desktop.SetForeground(windows[0]);
    Tick();
    desktop.BringToFront(windows[3]);
    desktop.RemoveWindow(windows[4]);
    desktop.Window(windows[1]).visible = true;
    Tick();
    EXPECT_EQ(Alpha(windows[1]), kInactive);
    EXPECT_EQ(Alpha(windows[3]), -1);
    Tick();
    desktop.Window(windows[3]).visible = true;
    desktop.Window(windows[5]).visible = true;
    Tick();
    EXPECT_EQ(Alpha(windows[3]), kInactive);
    EXPECT_EQ(Alpha(windows[5]), kInactive);
    EXPECT_EQ(engine.Known().Size(), 6u);  // closed windows stay known while the engine runs

    // The back-most window closes: the list only gets shorter.
    const WindowHandle hidden = Open("late.exe", 0, false);
    desktop.BringToFront(windows[0]);
    Tick();
    desktop.RemoveWindow(desktop.ZOrder().back());
    Tick();
    desktop.Window(hidden).visible = true;
    Tick();
    EXPECT_EQ(Alpha(hidden), kInactive);
}

TEST_F(Engine_, ATickThatFailsHalfWayLeavesNoHiddenWindowBehind) {
    settings.wholeGroupMode = true;
    const WindowHandle hidden = Open("setup.exe", 5, false);
    const WindowHandle a = Open("a.exe", 7);
    const WindowHandle b = Open("b.exe", 9);
    desktop.SetForeground(a);
    Tick();
    // The change of group walks every window and fails at a's before it reaches the hidden one;
    // the windows keep their order, so the next tick sees the same desktop.
    exceptions.failing = "a.exe";
    desktop.SetForeground(b);
    desktop.BringToFront(a);
    EXPECT_THROW(Tick(), std::runtime_error);
    exceptions.failing.clear();
    desktop.Window(hidden).visible = true;
    Tick();
    EXPECT_EQ(Alpha(hidden), kInactive);
}

TEST_F(Engine_, AQuietTickThatFailsHalfWayMeetsNoWindowTwice) {
    const WindowHandle late = Open("late.exe", 0, false);
    const WindowHandle early = Open("early.exe", 0, false);
    const WindowHandle a = Open("a.exe");
    desktop.SetForeground(a);
    Tick();
    desktop.Window(early).visible = true;
    desktop.Window(late).visible = true;
    exceptions.failing = "late.exe";
    EXPECT_THROW(Tick(), std::runtime_error);
    exceptions.failing.clear();
    Tick();
    EXPECT_EQ(Alpha(late), kInactive);
    // Met once, so not taken for a window its own program made layered: cleared at switch-off.
    engine.SwitchOff();
    EXPECT_EQ(Alpha(early), -1);
    EXPECT_EQ(Alpha(late), -1);
}

TEST_F(Engine_, ATickTakesAtMostOneProcessSnapshot) {
    for (int i = 0; i < 20; ++i)
        Open("p" + std::to_string(i % 7) + ".exe");
    const WindowHandle first = Open("first.exe");
    desktop.SetForeground(first);
    Tick();
    EXPECT_EQ(processes.ProcessSnapshots(), 1);
    Tick();
    EXPECT_EQ(processes.ProcessSnapshots(), 1);  // nothing to check, nothing read
    // The new foreground's program is confirmed by its id, not by a whole list.
    desktop.SetForeground(desktop.ZOrder().back());
    Tick();
    EXPECT_EQ(processes.ProcessSnapshots(), 1);
    // Eight programs to name: one list serves them all.
    engine.SwitchOff();
    EXPECT_EQ(processes.ProcessSnapshots(), 2);
}

TEST_F(Engine_, AProgramStartedBetweenTicksIsRecognisedAtOnce) {
    exceptions.names = {"new.exe"};
    const WindowHandle a = Open("a.exe");
    desktop.SetForeground(a);
    Tick();
    const WindowHandle fresh = Open("new.exe");
    Tick();
    EXPECT_EQ(Alpha(fresh), -1);
}

}  // namespace
}  // namespace vitrex::transparency
