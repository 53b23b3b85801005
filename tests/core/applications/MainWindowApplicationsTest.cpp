#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/MainForm.h"
#include "testing/FakeDesktop.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using views::applications::kColumnProcess;

// The main window on a desktop with an editor (two windows) and a browser.
struct MainWindowApplications : ::testing::Test {
    fakes::FakePlatform platform;
    WindowHandle own = 0, editor = 0, editorPalette = 0, browser = 0;

    MainWindowApplications() {
        platform.processes.AddProcess(20, "editor.exe");
        platform.processes.AddProcess(30, "browser.exe");
        platform.processes.AddProcess(40, "vitrex.exe");
        own = Add("TVTXForm", "Vitrex", 40);
        browser = Add("BrowserFrame", "Browser", 30);
        editorPalette = Add("EditorTool", "Palette", 20);
        editor = Add("EditorFrame", "Editor", 20);
        platform.windows.SetForeground(editor);
    }
    WindowHandle Add(const char* className, const char* title, std::uint32_t pid) {
        return fakes::Open(platform.windows, platform.processes,
                           {.title = title, .className = className, .pid = pid});
    }
    std::vector<std::string> Titles(const MainForm& form) const {
        std::vector<std::string> titles;
        for (const ui::ListRow& row : form.TAB_AW_List.Rows())
            titles.push_back(row.cells[0]);
        return titles;
    }
    int RowOf(const MainForm& form, WindowHandle window) const {
        const auto& rows = form.TAB_AW_List.Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].cells[1] == std::to_string(window)) return static_cast<int>(i);
        }
        return -1;
    }
    bool Layered(WindowHandle window) { return platform.windows.StyleOf(window).layered; }
    bool Logged(MainForm& form, const std::string& line) const {
        const auto& lines = form.Log().Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(MainWindowApplications, OpeningThePageFromThePanelFillsTheListWithoutTheProgramsOwnWindow) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.SetOwnWindow(own);
    EXPECT_TRUE(form.TAB_AW_List.Rows().empty());
    form.XPBarConfig.Item(3).UserClick();
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageApplications);
    EXPECT_EQ(Titles(form), (std::vector<std::string>{"Editor", "Palette", "Browser"}));

    // A window opened since is listed at the next opening, or by the menu's Reload.
    const WindowHandle late = Add("Late", "Late", 30);
    form.PMenu_AW_ListItems.PMReload.UserClick();
    EXPECT_EQ(RowOf(form, late), 0);
}

TEST_F(MainWindowApplications, WithoutReadableProcessCountersEachListRequestOfAHandlerShowsTheError) {
    platform.processes.toolhelp = false;  // and the registry publishes no performance data
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.SetOwnWindow(own);
    const std::size_t before = platform.dialogs.Messages().size();

    form.XPBarConfig.Item(3).UserClick();
    form.PMenu_AW_ListItems.PMReload.UserClick();
    const std::vector<std::string> messages = platform.dialogs.Messages();
    ASSERT_EQ(messages.size(), before + 2) << "one message per fill, not one per window";
    EXPECT_EQ(messages.back(), "Error reading Performace Data.");
    EXPECT_EQ(Titles(form), (std::vector<std::string>{"Editor", "Palette", "Browser"}))
        << "the list still fills";
    EXPECT_EQ(form.TAB_AW_List.Rows()[0].cells[kColumnProcess], "") << "with no process names";
}

TEST_F(MainWindowApplications, TheExceptionCommandPausesTheRunningEngineAndTheExceptedProgramStaysOpaque) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.SetOwnWindow(own);
    form.SetEngineActive(true);
    form.Vitrex_Timer.Tick();
    ASSERT_TRUE(Layered(editor));
    ASSERT_TRUE(Layered(browser));

    form.XPBarConfig.Item(3).UserClick();
    form.TAB_AW_List.UserSelect(RowOf(form, editorPalette));
    form.PMenu_AW_List.UserPopup();
    form.PMenu_AW_ListItems.PMAusnahme.UserClick();

    EXPECT_EQ(form.TAB_Ausnahmen_List.Items(), (std::vector<std::string>{"editor.exe"}));
    EXPECT_TRUE(form.Vitrex_Timer.Enabled()) << "switched on again";
    EXPECT_TRUE(form.Engine()->Known().Empty()) << "every window is met afresh";
    form.Vitrex_Timer.Tick();
    EXPECT_FALSE(Layered(editor));
    EXPECT_FALSE(Layered(editorPalette));
    EXPECT_TRUE(Layered(browser));
    // Both of the editor's rows carry the mark after the refill.
    for (WindowHandle window : {editor, editorPalette})
        EXPECT_GE(form.TAB_AW_List.Rows()[RowOf(form, window)].CellImage(kColumnProcess), 0);
}

TEST_F(MainWindowApplications, TheDebugHotKeyWorksOnlyAfterRegisterAndDescribesTwoWindows) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.SetOwnWindow(own);
    EXPECT_FALSE(platform.hotKeys.registered.contains(267)) << "never registered at start-up";
    form.TabDebugBTN.UserClick();
    ASSERT_TRUE(platform.hotKeys.registered.contains(267));

    platform.windows.SetForeground(browser);
    form.UserHotKey(267);
    EXPECT_EQ(form.TabDebugL1.Caption(), "Title: Browser") << "the first row after the refill";
    EXPECT_EQ(form.TabDebugL2.Caption(), "Class: BrowserFrame");
    EXPECT_EQ(form.TabDebugL5.Caption(), "Title: Browser");
    EXPECT_EQ(form.TabDebugL7.Caption(), "HWnd: " + std::to_string(browser));
}

TEST_F(MainWindowApplications, DebugButtonsWorkByTypedHandleAndANonNumberIsLogged) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.DebugMakeHandleTransEdit.SetText(std::to_string(browser));
    form.DebugMakeHandleTrans.UserClick();
    EXPECT_EQ(platform.windows.GetLayeredAlpha(browser), std::optional<std::uint8_t>(102));
    EXPECT_TRUE(form.Engine() == nullptr || !form.Engine()->Known().Contains(browser))
        << "unknown to the engine";
    form.DebugDeleteTrans.UserClick();
    EXPECT_FALSE(Layered(browser));

    form.DebugMakeHandleTransEdit.SetText("browser");
    form.DebugMakeHandleTrans.UserClick();
    EXPECT_FALSE(Layered(browser));
    EXPECT_TRUE(Logged(form, "Typ: ConvertError"));
    EXPECT_TRUE(Logged(form, "Sender: DebugMakeHandleTrans [TButton]"));
    EXPECT_EQ(form.TabDebugList.Items(), form.Log().Lines()) << "the debug list mirrors the entry";
}

}  // namespace
}  // namespace vitrex::app
