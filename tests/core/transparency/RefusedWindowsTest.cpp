#include <gtest/gtest.h>

#include <vector>

#include "EngineDesktop.h"
#include "core/transparency/RefusedWindows.h"

namespace vitrex::transparency {
namespace {

// The engine beside a program that runs with higher rights.
struct RefusingWindows : testing::EngineDesktop {
    std::vector<WindowHandle> told;
    RefusedWindows refused{[this](WindowHandle window, WindowThreadProcess) { told.push_back(window); }};

    RefusingWindows() { engine.SetRefused(&refused); }
    WindowHandle OpenElevated(const std::string& exe) {
        const WindowHandle window = Open(exe);
        desktop.Window(window).higherRights = true;
        return window;
    }
    int Refusals(WindowHandle window) { return desktop.Window(window).refusedChanges; }
};

TEST_F(RefusingWindows, ARefusedWindowIsAskedOnceWhateverTheEngineDoesAfterwards) {
    for (const bool wholeGroup : {false, true}) {
        SCOPED_TRACE(wholeGroup ? "whole-group mode" : "only-active-window mode");
        settings.wholeGroupMode = wholeGroup;
        const WindowHandle admin = OpenElevated("regedit.exe");
        const WindowHandle editor = Open("editor.exe");
        desktop.SetForeground(editor);
        Tick();
        EXPECT_EQ(Refusals(admin), 1);
        EXPECT_EQ(Alpha(editor), kActive) << "the others are not held up";
        EXPECT_TRUE(refused.Holds(admin, desktop.ThreadProcessOf(admin)));

        // Foreground changes to it and away, quiet ticks, switching off and on again.
        for (int round = 0; round < 3; ++round) {
            desktop.SetForeground(admin);
            Tick();
            desktop.SetForeground(editor);
            Tick();
        }
        engine.SwitchOff();
        Tick();
        EXPECT_EQ(Refusals(admin), 1);
        EXPECT_EQ(told, std::vector<WindowHandle>{admin}) << "one note, so one crash-log entry";
        desktop.RemoveWindow(admin);
        desktop.RemoveWindow(editor);
        engine.SwitchOff();
        told.clear();
    }
}

TEST_F(RefusingWindows, ANewWindowThatTakesARefusedHandleIsGivenItsLevel) {
    const WindowHandle admin = OpenElevated("regedit.exe");
    const WindowHandle editor = Open("editor.exe");
    desktop.SetForeground(editor);
    Tick();
    ASSERT_EQ(Refusals(admin), 1);

    // The elevated window closes and the system hands its number to a window of another program.
    desktop.RemoveWindow(admin);
    fakes::FakeWindow successor;
    successor.className = "MailFrame";
    successor.processId = 4242;
    successor.threadId = 4243;
    processes.AddProcess(4242, "mail.exe");
    desktop.AddWindowWithHandle(admin, successor);
    desktop.BringToFront(editor);
    Tick();
    EXPECT_EQ(Alpha(admin), kInactive);
    EXPECT_FALSE(refused.Holds(admin, desktop.ThreadProcessOf(admin)));

    // A refused window that closes is forgotten with it.
    const WindowHandle other = OpenElevated("taskmgr.exe");
    Tick();
    EXPECT_TRUE(refused.Holds(other, desktop.ThreadProcessOf(other)));
    desktop.RemoveWindow(other);
    Tick();
    EXPECT_TRUE(refused.Empty());
}

}  // namespace
}  // namespace vitrex::transparency
