#include <gtest/gtest.h>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakeDesktop.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";

// The main window with the engine on a small desktop: an editor with two windows of one thread,
// a browser, and the taskbar.
struct EngineWiring : ::testing::Test {
    fakes::FakePlatform platform;
    WindowHandle taskbar = 0, editor = 0, editorTool = 0, browser = 0;

    EngineWiring() {
        platform.processes.AddProcess(10, "explorer.exe");
        platform.processes.AddProcess(20, "editor.exe");
        platform.processes.AddProcess(30, "browser.exe");
        taskbar = Add("Shell_TrayWnd", "", 10, 100);
        browser = Add("BrowserFrame", "Browser", 30, 300);
        editorTool = Add("EditorTool", "Tools", 20, 200);
        editor = Add("EditorFrame", "Editor", 20, 200);
        platform.windows.SetForeground(editor);
        // Settings of an earlier run, with "Active at Startup" on.
        testing::SeedEarlierRun(platform.registry);
        platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1));
    }
    WindowHandle Add(const char* className, const char* title, std::uint32_t pid, std::uint32_t tid) {
        return fakes::Open(platform.windows, platform.processes,
                           {.title = title, .className = className, .pid = pid, .tid = tid});
    }
    std::optional<std::uint8_t> Alpha(WindowHandle window) {
        return platform.windows.GetLayeredAlpha(window);
    }
    bool Layered(WindowHandle window) { return platform.windows.StyleOf(window).layered; }
};

TEST_F(EngineWiring, StartingActiveGivesEveryWindowItsLevelAtTheFirstTick) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    ASSERT_TRUE(form.Vitrex_Timer.Enabled());
    form.Vitrex_Timer.Tick();
    EXPECT_EQ(Alpha(editor), std::optional<std::uint8_t>(229));
    EXPECT_EQ(Alpha(editorTool), std::optional<std::uint8_t>(191));
    EXPECT_EQ(Alpha(browser), std::optional<std::uint8_t>(191));
    EXPECT_FALSE(Layered(taskbar)) << "the tick never touches the taskbar";

    platform.windows.SetForeground(browser);
    form.Vitrex_Timer.Tick();
    EXPECT_EQ(Alpha(browser), std::optional<std::uint8_t>(229));
    EXPECT_EQ(Alpha(editor), std::optional<std::uint8_t>(191));
}

TEST_F(EngineWiring, TheWholeGroupSettingMovesTheEditorsWindowsTogether) {
    platform.registry.Seed(kKey, "ChangeProcessAB", FakeRegistryValue::Dword(1));
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    platform.windows.SetForeground(browser);
    form.Vitrex_Timer.Tick();
    platform.windows.SetForeground(editor);
    form.Vitrex_Timer.Tick();
    EXPECT_EQ(Alpha(editorTool), std::optional<std::uint8_t>(229)) << "follows its group into the foreground";
    EXPECT_EQ(Alpha(browser), std::optional<std::uint8_t>(191));
}

TEST_F(EngineWiring, ExceptedProgramsStayOpaqueAndQuittingRestoresEveryWindow) {
    platform.registry.Seed(kKey, "NoABList", FakeRegistryValue::Sz("BROWSER.EXE\r\n"));
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    EXPECT_FALSE(Layered(browser));
    EXPECT_TRUE(Layered(editor));

    form.SystemMenu().UserCommand(kExitCommand);
    EXPECT_TRUE(form.Terminated());
    for (WindowHandle window : {editor, editorTool, browser, taskbar})
        EXPECT_FALSE(Layered(window));
}

TEST_F(EngineWiring, SwitchingOffFromThePanelRestoresAndTheListIsLockedWhileActive) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    EXPECT_FALSE(form.TAB_AUS_BTN_Add.Enabled());
    form.XPBarStatus.Item(0).UserClick();
    EXPECT_FALSE(Layered(editor));
    EXPECT_TRUE(form.Engine()->Known().Empty());
    EXPECT_TRUE(form.TAB_AUS_BTN_Add.Enabled());
}

TEST_F(EngineWiring, AFailedStartUpLeavesNoEngineToTick) {
    // A value the damaged hive cannot give ends start-up at its step.
    platform.registry.SetValueQueryFails(kKey, "HideProgram", true);
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(form.Engine(), nullptr);
    form.XPBarStatus.Item(1).SetVisible(true);
    form.XPBarStatus.Item(1).UserClick();
    form.Vitrex_Timer.Tick();
    EXPECT_FALSE(Layered(editor)) << "the engine is absent, not half-made";
    EXPECT_EQ(form.TabDebugList.Items().size(), 6u) << "and nothing failed on the way";
}

TEST_F(EngineWiring, TheSystemsReportsRunWhileTheEngineRunsAndFailuresReachTheLog) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    ASSERT_TRUE(platform.windowEvents.Started());
    platform.windows.SetForeground(browser);
    platform.windowEvents.Report(WindowEvent::Foreground, browser);
    EXPECT_EQ(Alpha(browser), std::optional<std::uint8_t>(229)) << "before the next tick";
    const WindowHandle dialog = Add("Dialog", "Find", 30, 301);
    platform.windowEvents.Report(WindowEvent::Created, dialog);
    EXPECT_EQ(Alpha(dialog), std::optional<std::uint8_t>(191));

    // A report whose work fails (the journal cannot be written) is one crash-log entry, and the
    // program goes on.
    const std::size_t lines = form.TabDebugList.Items().size();
    platform.registry.SetWriteProtected("Software\\Vitrex\\Journal", true);
    const WindowHandle another = Add("Other", "Other", 20, 202);
    platform.windowEvents.Report(WindowEvent::Shown, another);
    EXPECT_EQ(form.TabDebugList.Items().size(), lines + 4);
    EXPECT_NE(form.TabDebugList.Items()[lines + 2].find("Vitrex_Timer"), std::string::npos);

    form.XPBarStatus.Item(0).UserClick();
    EXPECT_FALSE(platform.windowEvents.Started());
    EXPECT_FALSE(form.ForegroundPoll.Enabled());
    EXPECT_FALSE(form.ShownWindowsLook.Enabled());
}

TEST_F(EngineWiring, WithoutForegroundReportsTheFormPollsTheForegroundWhileTheEngineRuns) {
    platform.windowEvents.deliversForeground = false;
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    platform.windows.SetForeground(browser);
    form.Vitrex_Timer.Tick();
    ASSERT_TRUE(form.ForegroundPoll.Enabled());
    platform.windows.SetForeground(editor);
    form.ForegroundPoll.Tick();
    EXPECT_EQ(Alpha(editor), std::optional<std::uint8_t>(229));
    EXPECT_EQ(Alpha(browser), std::optional<std::uint8_t>(191));

    // A created window that shows a moment later is looked at again by the second timer.
    const WindowHandle late = fakes::Open(platform.windows, platform.processes,
                                          {.className = "", .pid = 30, .tid = 302, .visible = false});
    platform.windowEvents.Report(WindowEvent::Created, late);
    ASSERT_TRUE(form.ShownWindowsLook.Enabled());
    platform.windows.Window(late).visible = true;
    form.ShownWindowsLook.Tick();
    EXPECT_EQ(Alpha(late), std::optional<std::uint8_t>(191));
    EXPECT_FALSE(form.ShownWindowsLook.Enabled());

    form.XPBarStatus.Item(0).UserClick();
    EXPECT_FALSE(form.ForegroundPoll.Enabled()) << "no poll while the engine is off";
}

TEST_F(EngineWiring, WhereTheSystemWatchesTheForegroundItsWatchStandsInForThePoll) {
    platform.windowEvents.deliversForeground = false;
    platform.windowEvents.canWatch = true;
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    EXPECT_FALSE(platform.windowEvents.watching) << "not before a switch goes unreported";
    platform.windows.SetForeground(browser);
    form.Vitrex_Timer.Tick();
    ASSERT_TRUE(platform.windowEvents.watching);
    EXPECT_FALSE(form.ForegroundPoll.Enabled()) << "no timer beside the watch";

    // What the watch sees is followed at once, and the watch goes on after it.
    platform.windows.SetForeground(editor);
    platform.windowEvents.Report(WindowEvent::ForegroundSeen, editor);
    EXPECT_EQ(Alpha(editor), std::optional<std::uint8_t>(229));
    EXPECT_EQ(Alpha(browser), std::optional<std::uint8_t>(191));
    EXPECT_TRUE(platform.windowEvents.watching);

    // A real report after all ends the watch; two unreported switches in a row start it again.
    platform.windowEvents.deliversForeground = true;
    platform.windows.SetForeground(browser);
    platform.windowEvents.Report(WindowEvent::Foreground, browser);
    EXPECT_FALSE(platform.windowEvents.watching);
    EXPECT_FALSE(form.ForegroundPoll.Enabled());

    platform.windowEvents.deliversForeground = false;
    platform.windows.SetForeground(editor);
    form.Vitrex_Timer.Tick();
    platform.windows.SetForeground(browser);
    form.Vitrex_Timer.Tick();
    ASSERT_TRUE(platform.windowEvents.watching);
    form.XPBarStatus.Item(0).UserClick();
    EXPECT_FALSE(platform.windowEvents.watching) << "no watch while the engine is off";
    EXPECT_FALSE(form.ForegroundPoll.Enabled());
}

TEST_F(EngineWiring, WhereTheSystemCannotWatchTheForegroundThePollsTimerRuns) {
    platform.windowEvents.deliversForeground = false;
    platform.windowEvents.canWatch = false;
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    platform.windows.SetForeground(browser);
    form.Vitrex_Timer.Tick();
    EXPECT_TRUE(form.ForegroundPoll.Enabled());
    form.Vitrex_Timer.Tick();
    EXPECT_TRUE(form.ForegroundPoll.Enabled()) << "asking again changes nothing";
}

}  // namespace
}  // namespace vitrex::app
