#include <gtest/gtest.h>

#include "EngineDesktop.h"

namespace vitrex::transparency {
namespace {

using Eligibility_ = testing::EngineDesktop;

TEST_F(Eligibility_, EachShellRuleRefusesOnlyTheFirstWindowOfItsKindInZOrder) {
    const WindowHandle back = Open("explorer.exe", 0, true, "WorkerW", "");
    const WindowHandle front = Open("explorer.exe", 0, true, "WorkerW", "");
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(front));
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(back));

    // Class names match without regard to case; titles must match exactly where a rule has one.
    const WindowHandle progman = Open("explorer.exe", 0, true, "Progman", "Program Manager");
    const WindowHandle renamed = Open("explorer.exe", 0, true, "ProgMan", "Desktop");
    const WindowHandle drag = Open("explorer.exe", 0, true, "SysDragImage", "Drag");
    const WindowHandle taskbar = Open("explorer.exe", 0, true, "shell_traywnd", "anything");
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(progman));
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(renamed));
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(drag));
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(taskbar));
}

TEST_F(Eligibility_, OnlyATooltipWithAnEmptyTitleIsRefused) {
    const WindowHandle untitled = Open("app.exe", 0, true, "tooltips_class32", "");
    const WindowHandle titled = Open("app.exe", 0, true, "tooltips_class32", "Save");
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(titled));
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(untitled));
}

TEST_F(Eligibility_, TheClassExceptionRefusesTheFirstWindowOfItsClassOnly) {
    const WindowHandle second = Open("app.exe", 0, true, "Palette");
    const WindowHandle first = Open("app.exe", 0, true, "Palette");
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(first));
    exceptions.classException = "palette";
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(first));
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(second));
    exceptions.classException = "NoSuchClass";
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(first));
}

TEST_F(Eligibility_, ExceptedProgramsAreMatchedByWholeNameWithoutRegardToCase) {
    const WindowHandle notepad = Open("notepad.exe");
    exceptions.names = {"NOTEPAD.EXE"};
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(notepad));
    exceptions.names = {"C:\\Windows\\notepad.exe", "notepad"};
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(notepad));
}

TEST_F(Eligibility_, AWindowOfAProcessMissingFromTheListIsAllowedUnlessAnEmptyEntryIsListed) {
    fakes::FakeWindow orphan;
    orphan.processId = 4242;
    const WindowHandle window = desktop.AddWindow(orphan);
    // Fill the shell rules, so that window 0 is judged by its (empty) process name alone.
    for (const ShellWindowRule& rule : kShellWindowRules)
        Open("explorer.exe", 0, true, std::string(rule.className), std::string(rule.title.value_or("")));
    EXPECT_TRUE(eligibility.IsTransparencyAllowed(window));
    EXPECT_EQ(eligibility.GetWindowProcessName(window, true), "");
    EXPECT_EQ(eligibility.GetWindowProcessName(0, true), "");
    exceptions.names = {""};
    EXPECT_FALSE(eligibility.IsTransparencyAllowed(window));
}

TEST_F(Eligibility_, ProcessNameComesFromTheFirstEntryWithTheIdAndRefreshRereadsTheList) {
    const WindowHandle window = Open("first.exe");
    processes.AddProcess(processIds["first.exe"], "second.exe");
    EXPECT_EQ(eligibility.GetWindowProcessName(window, true), "first.exe");
    processes.processes.front().exeName = "renamed.exe";
    EXPECT_EQ(eligibility.GetWindowProcessName(window, false), "first.exe");
    EXPECT_EQ(eligibility.GetWindowProcessName(window, true), "renamed.exe");
    EXPECT_EQ(eligibility.ProcessCache().size(), 2u);
}

TEST_F(Eligibility_, SharedLookupsGiveTheAnswersOfFreshLookupsPerCheck) {
    exceptions.names = {"Excepted.exe"};
    exceptions.classException = "Palette";
    std::vector<WindowHandle> windows;
    for (const char* cls :
         {"WorkerW", "Palette", "tooltips_class32", "AppWindow", "Shell_TrayWnd", "WorkerW", "Palette"})
        windows.push_back(Open("app.exe", 0, true, cls, ""));
    windows.push_back(Open("excepted.exe"));
    windows.push_back(Open("other.exe"));
    windows.push_back(0);
    std::vector<bool> fresh;
    for (WindowHandle w : windows)
        fresh.push_back(eligibility.IsTransparencyAllowed(w));
    const int snapshots = processes.ProcessSnapshots();
    const int finds = desktop.FindQueries();
    const int nameQueries = processes.NameQueries();
    std::vector<bool> shared;
    {
        SharedLookups scope(eligibility);
        for (WindowHandle w : windows)
            shared.push_back(eligibility.IsTransparencyAllowed(w));
    }
    EXPECT_EQ(shared, fresh);
    EXPECT_EQ(processes.ProcessSnapshots(), snapshots) << "the three programs' names confirmed by their ids";
    EXPECT_EQ(processes.NameQueries(), nameQueries + 3);
    EXPECT_EQ(desktop.FindQueries(), finds + 6);
    // Outside the scope each check looks again.
    eligibility.IsTransparencyAllowed(windows[3]);
    EXPECT_EQ(processes.ProcessSnapshots(), snapshots + 1);
}

TEST_F(Eligibility_, AListedIdThatNowNamesAnotherProgramOrManyProgramsToConfirmReadTheListAnew) {
    exceptions.names = {"opaque.exe"};
    std::vector<WindowHandle> windows;
    for (int i = 0; i < 6; ++i)
        windows.push_back(Open("p" + std::to_string(i) + ".exe"));
    eligibility.GetWindowProcessName(0, true);
    const int snapshots = processes.ProcessSnapshots();
    {
        // The id of p0.exe went to a new program that the user excepted.
        SharedLookups scope(eligibility);
        processes.processes.front().exeName = "opaque.exe";
        EXPECT_FALSE(eligibility.IsTransparencyAllowed(windows[0]));
        EXPECT_EQ(processes.ProcessSnapshots(), snapshots + 1);
    }
    {
        // Each program asked by its id up to a few; past them one whole list serves the rest.
        SharedLookups scope(eligibility);
        const int queries = processes.NameQueries();
        for (WindowHandle window : windows)
            EXPECT_EQ(eligibility.IsTransparencyAllowed(window), window != windows[0]);
        EXPECT_EQ(processes.NameQueries(), queries + 4);
        EXPECT_EQ(processes.ProcessSnapshots(), snapshots + 2);
    }
    {
        // A process that cannot be asked is read from a whole list.
        SharedLookups scope(eligibility);
        processes.snapshotsFail = true;
        eligibility.IsTransparencyAllowed(windows[1]);
        EXPECT_EQ(processes.ProcessSnapshots(), snapshots + 3);
        processes.snapshotsFail = false;
    }
}

}  // namespace
}  // namespace vitrex::transparency
