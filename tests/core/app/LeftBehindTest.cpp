#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakeDesktop.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";
constexpr const char* kJournalKey = "Software\\Vitrex\\Journal";

// Starts of the program on one desktop that outlives them: an editor, a player that makes its
// own window layered, and the taskbar.
struct LeftBehind : ::testing::Test {
    fakes::FakePlatform platform;
    WindowHandle taskbar = 0, editor = 0, player = 0;

    LeftBehind() {
        platform.processes.AddProcess(10, "explorer.exe");
        platform.processes.AddProcess(20, "editor.exe");
        platform.processes.AddProcess(30, "player.exe");
        platform.processes.AddProcess(40, "Vitrex.exe");
        taskbar = Add("Shell_TrayWnd", 10);
        player = fakes::Open(
            platform.windows, platform.processes,
            {.title = "PlayerFrame", .className = "PlayerFrame", .pid = 30, .tid = 31, .ownAlpha = 200});
        editor = Add("EditorFrame", 20);
        platform.windows.SetForeground(editor);
        testing::SeedEarlierRun(platform.registry);
    }
    WindowHandle Add(const char* className, std::uint32_t pid) {
        return fakes::Open(platform.windows, platform.processes,
                           {.title = className, .className = className, .pid = pid, .tid = pid + 1});
    }
    int Alpha(WindowHandle window) {
        if (!platform.windows.StyleOf(window).layered) return -1;
        return platform.windows.GetLayeredAlpha(window).value_or(-2);
    }
    void StartActive() { platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1)); }
    // A run that is killed while active: its form goes without the close path.
    void RunAndKill() {
        auto form = std::make_unique<MainForm>(platform.NewRun());
        form->FormCreate();
        form->Vitrex_Timer.Tick();
        ASSERT_EQ(Alpha(editor), 229);
        ASSERT_EQ(Alpha(player), 191);
    }
};

TEST_F(LeftBehind, AKilledRunsWindowsAreGivenBackAtTheNextStartBeforeTheEngineRuns) {
    StartActive();
    RunAndKill();
    MainForm next(platform.NewRun());
    next.FormCreate();
    EXPECT_EQ(Alpha(editor), -1);
    EXPECT_EQ(Alpha(player), 200) << "its program's own alpha, still layered";
    EXPECT_FALSE(platform.registry.Value(kJournalKey, "Windows"));

    // Its own engine meets the player as its program left it, and gives that back too.
    next.Vitrex_Timer.Tick();
    next.XPBarStatus.Item(0).UserClick();
    EXPECT_EQ(Alpha(player), 200);
    EXPECT_EQ(Alpha(editor), -1);
}

TEST_F(LeftBehind, TheGivingBackHappensAlsoWhenALaterStartUpStepFails) {
    StartActive();
    RunAndKill();
    // A value the damaged hive cannot give ends start-up at its step.
    platform.registry.SetValueQueryFails(kKey, "HideProgram", true);
    MainForm next(platform.NewRun());
    next.FormCreate();
    EXPECT_EQ(next.Engine(), nullptr) << "start-up ended early";
    EXPECT_EQ(Alpha(editor), -1);
}

TEST_F(LeftBehind, ADamagedJournalIsLoggedAndStartUpGoesOn) {
    platform.registry.Seed(kJournalKey, "Windows", FakeRegistryValue::Dword(7));
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(form.TabDebugList.Items().size(), 6u) << "header and one entry";
    EXPECT_NE(form.Engine(), nullptr);
}

TEST_F(LeftBehind, LevelsGivenWhileInactiveAreClearedAtTheNextSwitchOffAfterTheEngineMetThem) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    const WindowHandle own = Add("TVTXForm", 40);
    form.SetOwnWindow(own);
    form.TAB_TPZ_TB_Active.UserSetPosition(40);  // the preview on the program's own window
    form.UserHotKey(255 + 5);                    // 50 % on the editor, the foreground window
    ASSERT_EQ(Alpha(own), 153);
    ASSERT_EQ(Alpha(editor), 127);

    form.XPBarStatus.Item(1).UserClick();
    form.Vitrex_Timer.Tick();
    form.XPBarStatus.Item(0).UserClick();
    EXPECT_EQ(Alpha(own), -1);
    EXPECT_EQ(Alpha(editor), -1);
    EXPECT_EQ(Alpha(player), 200);
}

TEST_F(LeftBehind, QuittingLeavesTheTaskbarLayeredAndOpaqueAndTheJournalEmpty) {
    StartActive();
    platform.registry.Seed(kKey, "AB_TaskbarActive", FakeRegistryValue::Dword(1));
    MainForm form(platform.NewRun());
    form.FormCreate();
    ASSERT_EQ(Alpha(taskbar), 191);
    form.Vitrex_Timer.Tick();
    form.SystemMenu().UserCommand(kExitCommand);
    ASSERT_TRUE(form.Terminated());
    EXPECT_EQ(Alpha(taskbar), 255);
    EXPECT_EQ(Alpha(editor), -1);
    EXPECT_FALSE(platform.registry.Value(kJournalKey, "Windows"));
}

}  // namespace
}  // namespace vitrex::app
