#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "../app/EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakeDesktop.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using views::applications::kColumnProcess;

constexpr const char* kRememberedKey = "Software\\Vitrex\\Remembered";

// The main window of a later run on a desktop with an editor and a browser; the engine at its
// default levels, 10 % and 25 % (alphas 229 and 191); 40 % is alpha 153.
struct RememberedWindow : ::testing::Test {
    fakes::FakePlatform platform;
    WindowHandle own = 0, editor = 0, browser = 0;

    RememberedWindow() {
        testing::SeedEarlierRun(platform.registry);
        platform.processes.AddProcess(20, "Editor.exe");
        platform.processes.AddProcess(30, "browser.exe");
        platform.processes.AddProcess(40, "vitrex.exe");
        own = Add("TVTXForm", "Vitrex", 40);
        browser = Add("BrowserFrame", "Browser", 30);
        editor = Add("EditorFrame", "Editor", 20);
        platform.windows.SetForeground(editor);
    }
    WindowHandle Add(const char* className, const char* title, std::uint32_t pid) {
        return fakes::Open(platform.windows, platform.processes,
                           {.title = title, .className = className, .pid = pid});
    }
    std::unique_ptr<MainForm> Start() {
        auto form = std::make_unique<MainForm>(platform.NewRun());
        form->FormCreate();
        form->SetOwnWindow(own);
        return form;
    }
    // Opens the applications page and chooses the window's row.
    void Choose(MainForm& form, WindowHandle window) {
        form.XPBarConfig.Item(3).UserClick();
        const auto& rows = form.TAB_AW_List.Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].cells[1] == std::to_string(window)) form.TAB_AW_List.UserSelect(static_cast<int>(i));
        }
        form.PMenu_AW_List.UserPopup();
    }
    std::optional<std::uint8_t> Alpha(WindowHandle window) {
        return platform.windows.GetLayeredAlpha(window);
    }
    std::string Stored(const std::string& name) {
        const auto value = platform.registry.Value(kRememberedKey, name);
        return value ? value->text : "(none)";
    }
    std::vector<std::vector<std::string>> RememberedRows(const MainForm& form) {
        std::vector<std::vector<std::string>> rows;
        for (const ui::ListRow& row : form.TAB_AUS_RememberedList.Rows())
            rows.push_back(row.cells);
        return rows;
    }
};

TEST_F(RememberedWindow, TheTransparencyMenuRemembersTheWindowsLevelAndForgetsItWhenChosenAgain) {
    auto form = Start();
    const auto& menu = form->PMenu_AW_ListItems;
    Choose(*form, editor);
    EXPECT_TRUE(menu.PMRemember.Visible());
    EXPECT_EQ(menu.PMRemember.Caption(), "&Remember for Editor.exe");
    EXPECT_FALSE(menu.PMRemember.Checked());

    menu.PM40.UserClick();
    menu.PM_AOT_True.UserClick();
    menu.PMRemember.UserClick();
    EXPECT_EQ(Stored("editor.exe"), "level=40;ontop=1");
    EXPECT_EQ(RememberedRows(*form), (std::vector<std::vector<std::string>>{{"editor.exe", "40%", "Yes"}}));
    form->PMenu_AW_List.UserPopup();
    EXPECT_TRUE(menu.PMRemember.Checked());

    // Levels and always-on-top chosen later for the remembered program are remembered with it.
    menu.PM60.UserClick();
    menu.PM_AOT_False.UserClick();
    EXPECT_EQ(Stored("editor.exe"), "level=60;ontop=0");
    platform.windows.SetForeground(editor);
    form->UserHotKey(256 + 1);  // the digit 2: 20 %
    form->UserHotKey(265);      // always on top
    EXPECT_EQ(Stored("editor.exe"), "level=20;ontop=1");

    menu.PMRemember.UserClick();
    EXPECT_EQ(Stored("editor.exe"), "(none)");
    EXPECT_TRUE(RememberedRows(*form).empty());
    form->PMenu_AW_List.UserPopup();
    EXPECT_FALSE(menu.PMRemember.Checked());
    // Not remembered: the menu's levels stay with the window.
    menu.PM30.UserClick();
    EXPECT_EQ(Stored("editor.exe"), "(none)");
}

TEST_F(RememberedWindow, ARememberedLevelSurvivesARestartAndReachesNewWindowsOfTheProgramOnly) {
    {
        auto first = Start();
        Choose(*first, editor);
        first->PMenu_AW_ListItems.PM40.UserClick();
        first->PMenu_AW_ListItems.PMRemember.UserClick();
    }
    platform.windows.ClearLayered(editor);
    auto form = Start();
    EXPECT_EQ(RememberedRows(*form), (std::vector<std::vector<std::string>>{{"editor.exe", "40%", ""}}));
    form->SetEngineActive(true);
    form->Vitrex_Timer.Tick();
    EXPECT_EQ(Alpha(editor), 153) << "in front";
    EXPECT_EQ(Alpha(browser), 191);
    const WindowHandle second = Add("EditorFrame", "Second", 20);
    platform.windows.SetForeground(browser);
    form->Vitrex_Timer.Tick();
    EXPECT_EQ(Alpha(second), 153) << "a new window, behind";
    EXPECT_EQ(Alpha(editor), 153);
    EXPECT_EQ(Alpha(browser), 229);

    // Removed on the exceptions page: the normal levels at once.
    form->TAB_AUS_RememberedList.UserSelect(0);
    form->TAB_AUS_BTN_Forget.UserClick();
    EXPECT_EQ(Stored("editor.exe"), "(none)");
    EXPECT_TRUE(RememberedRows(*form).empty());
    EXPECT_FALSE(form->TAB_AUS_BTN_Forget.Enabled());
    EXPECT_EQ(Alpha(editor), 191);
    EXPECT_EQ(Alpha(second), 191);
}

TEST_F(RememberedWindow, AWindowThatRefusesIsMarkedWithATipAndLoggedOnce) {
    platform.windows.Window(editor).higherRights = true;
    auto form = Start();
    form->SetEngineActive(true);
    for (int tick = 0; tick < 5; ++tick) {
        platform.windows.SetForeground(tick % 2 == 0 ? browser : editor);
        form->Vitrex_Timer.Tick();
    }
    EXPECT_EQ(platform.windows.Window(editor).refusedChanges, 1);
    const auto& lines = form->Log().Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Typ: AccessDenied"), 1);

    Choose(*form, editor);
    const ui::ListRow& row = form->TAB_AW_List.Rows().at(form->TAB_AW_List.ItemIndex());
    EXPECT_GE(row.CellImage(kColumnProcess), 0) << "a marker in the Process column";
    EXPECT_EQ(row.tip,
              "This program runs with higher rights than Vitrex, so Vitrex may not change its windows.");
    EXPECT_FALSE(form->PMenu_AW_ListItems.PMAusnahme.Checked()) << "the marker is no exception mark";
    for (const ui::ListRow& other : form->TAB_AW_List.Rows()) {
        if (&other != &row) {
            EXPECT_TRUE(other.tip.empty());
        }
    }

    // The menu's levels meet the same refusal and leave the log alone.
    form->PMenu_AW_ListItems.PM50.UserClick();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Typ: AccessDenied"), 1);
}

}  // namespace
}  // namespace vitrex::app
