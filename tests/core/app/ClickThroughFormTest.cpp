#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/transparency/ShortCuts.h"
#include "core/views/applications/ApplicationsPage.h"
#include "testing/FakeDesktop.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;
using fakes::kWsExLayered;
using fakes::kWsExTopmost;
using fakes::kWsExTransparent;
using transparency::kHotKeyClickThrough;
using views::applications::kColumnHandle;
using views::applications::kColumnProcess;

constexpr const char* kKey = "Software\\Vitrex";
constexpr std::uint8_t kFortyPercent = 153;

// The main window on a desktop with the taskbar, a video player in front of an editor, and a
// program that runs with higher rights.
struct ClickThroughForm : ::testing::Test {
    fakes::FakePlatform platform;
    WindowHandle taskbar = 0, editor = 0, video = 0, admin = 0;
    std::optional<MainForm> form;

    ClickThroughForm() {
        taskbar = Add("Shell_TrayWnd", "", "explorer.exe", 10);
        admin = Add("AdminFrame", "Admin", "admin.exe", 40);
        platform.windows.Window(admin).higherRights = true;
        editor = Add("EditorFrame", "Editor", "editor.exe", 20);
        video = Add("VideoFrame", "Video", "video.exe", 30);
        platform.windows.SetForeground(video);
        testing::SeedEarlierRun(platform.registry);
    }
    WindowHandle Add(const char* className, const char* title, const char* exe, std::uint32_t pid) {
        return fakes::Open(platform.windows, platform.processes,
                           {.title = title, .className = className, .exe = exe, .pid = pid});
    }
    MainForm& Start() {
        form.emplace(platform.NewRun());
        form->FormCreate();
        return *form;
    }
    void PressKey() { form->UserHotKey(kHotKeyClickThrough); }
    std::uint32_t Word(WindowHandle window) { return platform.windows.Window(window).exStyle; }
    bool IsOverlay(WindowHandle window) {
        const WindowStyle style = platform.windows.StyleOf(window);
        return style.layered && style.topmost && style.clickThrough;
    }
    int RowOf(WindowHandle window) {
        const auto& rows = form->TAB_AW_List.Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].cells.at(kColumnHandle) == std::to_string(window)) return static_cast<int>(i);
        }
        return -1;
    }
    const ui::ListRow& Row(WindowHandle window) { return form->TAB_AW_List.Rows().at(RowOf(window)); }
    // The list filled and the window's row chosen, and the menu opened on it.
    ui::MenuItem& MenuOn(WindowHandle window) {
        form->ReloadApplicationList();
        form->TAB_AW_List.UserSelect(RowOf(window));
        form->PMenu_AW_List.UserPopup();
        return form->PMenu_AW_ListItems.PMClickThrough;
    }
};

// The key's rule: the foreground overlay goes back, else the most recent one, else the
// foreground window becomes one. Clicking through an overlay makes the window beneath the
// foreground, so the same key then gives the overlay back instead of making another.
TEST_F(ClickThroughForm, TheKeyMakesTheForegroundAnOverlayAndGivesBackTheOneThereIs) {
    platform.windows.Window(video).exStyle |= kWsExTopmost;
    const std::uint32_t videoBefore = Word(video);
    const std::uint32_t editorBefore = Word(editor);
    Start();
    EXPECT_FALSE(form->TrayPopup_ClickThrough.Visible());

    PressKey();
    EXPECT_TRUE(IsOverlay(video));
    EXPECT_EQ(platform.windows.GetLayeredAlpha(video), std::optional<std::uint8_t>(kFortyPercent));
    EXPECT_TRUE(form->TrayPopup_ClickThrough.Visible());

    platform.windows.SetForeground(editor);  // the user clicked through the video
    PressKey();
    EXPECT_FALSE(IsOverlay(editor)) << "the window beneath is not made one";
    EXPECT_EQ(Word(video), videoBefore) << "the video has its own style back, topmost included";
    EXPECT_EQ(Word(editor), editorBefore);
    EXPECT_FALSE(form->TrayPopup_ClickThrough.Visible());

    PressKey();
    EXPECT_TRUE(IsOverlay(editor)) << "with none left, the foreground window becomes one";
    PressKey();
    EXPECT_EQ(Word(editor), editorBefore) << "and the foreground overlay goes back";
}

TEST_F(ClickThroughForm, TheKeyLeavesTheTaskbarTheOwnWindowAndNoWindowAlone) {
    Start();
    const WindowHandle own = Add("TVTXForm", "Vitrex", "vitrex.exe", 50);
    form->SetOwnWindow(own);
    for (WindowHandle foreground : {taskbar, own, WindowHandle{0}}) {
        platform.windows.SetForeground(foreground);
        PressKey();
        if (foreground != 0) {
            EXPECT_EQ(Word(foreground), 0u) << foreground;
        }
        EXPECT_TRUE(form->Overlays().Empty()) << foreground;
    }
    // With an overlay about, the same key over the taskbar gives that one back.
    platform.windows.SetForeground(video);
    PressKey();
    platform.windows.SetForeground(taskbar);
    PressKey();
    EXPECT_FALSE(IsOverlay(video));
}

TEST_F(ClickThroughForm, AWindowOfHigherRightsIsRefusedWithTheListsMarkAndNothingHalfMade) {
    Start();
    platform.windows.SetForeground(admin);
    PressKey();
    EXPECT_EQ(Word(admin), 0u);
    EXPECT_TRUE(form->Overlays().Empty());
    EXPECT_FALSE(form->TrayPopup_ClickThrough.Visible());
    form->ReloadApplicationList();
    EXPECT_GE(Row(admin).CellImage(kColumnProcess), 0) << "the refused mark";
    EXPECT_EQ(Row(admin).CellImage(kColumnHandle), -1) << "no click-through mark";
    EXPECT_EQ(Row(admin).tip, form->Texts().Text("Vitrex", "HigherRights"));

    // The same from the list's menu.
    platform.windows.Window(admin).higherRights = true;
    ui::MenuItem& item = MenuOn(admin);
    item.UserClick();
    EXPECT_EQ(Word(admin), 0u);
    EXPECT_TRUE(form->Overlays().Empty());
}

TEST_F(ClickThroughForm, TheListsMenuIsCheckedOnOverlaysAndTheirRowsCarryTheMarkAndTip) {
    Start();
    ui::MenuItem& item = MenuOn(editor);
    EXPECT_TRUE(item.Visible());
    EXPECT_FALSE(item.Checked());
    EXPECT_EQ(item.Caption(), "Cl&ick Through");
    item.UserClick();
    EXPECT_TRUE(IsOverlay(editor));
    const int mark = Row(editor).CellImage(kColumnHandle);
    EXPECT_GE(mark, 0) << "marked at once, without a refill";
    EXPECT_EQ(Row(editor).tip, form->Texts().Text("Vitrex", "ClickThroughWindow"));
    EXPECT_EQ(form->TAB_AW_List.ItemIndex(), RowOf(editor)) << "the row stays chosen";
    EXPECT_EQ(Row(video).CellImage(kColumnHandle), -1);

    // Two overlays at once from the menu; the key made one too and is marked after a refill.
    MenuOn(video).UserClick();
    EXPECT_TRUE(IsOverlay(video));
    EXPECT_TRUE(IsOverlay(editor));
    form->ReloadApplicationList();
    EXPECT_GE(Row(video).CellImage(kColumnHandle), 0);
    EXPECT_GE(Row(editor).CellImage(kColumnHandle), 0);

    EXPECT_TRUE(MenuOn(editor).Checked());
    MenuOn(editor).UserClick();
    EXPECT_FALSE(IsOverlay(editor));
    EXPECT_EQ(Row(editor).CellImage(kColumnHandle), -1) << "the mark goes with it";
    EXPECT_TRUE(Row(editor).tip.empty());
    EXPECT_TRUE(IsOverlay(video));
}

TEST_F(ClickThroughForm, TheTrayEntryGivesEveryOverlayBackAndShowsOnlyWhileThereAreAny) {
    Start();
    MenuOn(editor).UserClick();
    MenuOn(video).UserClick();
    EXPECT_TRUE(form->TrayPopup_ClickThrough.Visible());
    EXPECT_EQ(form->TrayPopup_ClickThrough.Caption(), "Release Click-Through Windows");
    form->TrayPopup_ClickThrough.UserClick();
    EXPECT_EQ(Word(editor), 0u);
    EXPECT_EQ(Word(video), 0u);
    EXPECT_FALSE(form->TrayPopup_ClickThrough.Visible());

    // A window that closed is forgotten when the tray menu opens.
    MenuOn(video).UserClick();
    platform.windows.RemoveWindow(video);
    form->TrayPopup.UserPopup();
    EXPECT_FALSE(form->TrayPopup_ClickThrough.Visible());
}

// With the engine running: an overlay keeps its own level through the ticks, and switching the
// engine off gives it back and then takes the engine's level away as from every other window; so
// does the exception command, which switches the engine off and on to judge every window afresh.
TEST_F(ClickThroughForm, TheEngineLeavesOverlaysAloneAndSwitchingOffGivesThemBack) {
    platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1));
    Start();
    ASSERT_TRUE(form->Vitrex_Timer.Enabled());
    form->Vitrex_Timer.Tick();
    ASSERT_TRUE(platform.windows.GetLayeredAlpha(editor).has_value()) << "the engine's level";

    platform.windows.SetForeground(editor);
    form->Vitrex_Timer.Tick();
    PressKey();
    ASSERT_TRUE(IsOverlay(editor));
    const std::optional<std::uint8_t> overlayAlpha = platform.windows.GetLayeredAlpha(editor);
    platform.windows.SetForeground(video);
    form->Vitrex_Timer.Tick();
    EXPECT_EQ(platform.windows.GetLayeredAlpha(editor), overlayAlpha) << "the engine left it alone";

    form->XPBarStatus.Item(0).UserClick();  // "Active": the user switches the engine off
    EXPECT_FALSE(form->Vitrex_Timer.Enabled());
    EXPECT_EQ(Word(editor), 0u) << "neither the overlay nor the engine's level is left";
    EXPECT_EQ(Word(video), 0u);

    form->XPBarStatus.Item(1).UserClick();  // "Inactive": on again
    form->Vitrex_Timer.Tick();
    MenuOn(video).UserClick();
    ASSERT_TRUE(IsOverlay(video));
    MenuOn(video);
    form->PMenu_AW_ListItems.PMAusnahme.UserClick();
    EXPECT_TRUE(form->Vitrex_Timer.Enabled());
    EXPECT_FALSE(platform.windows.StyleOf(video).layered) << "the excepted program's window is left opaque";
    EXPECT_TRUE(form->Overlays().Empty());
}

TEST_F(ClickThroughForm, QuittingGivesEveryOverlayBackAndLeavesNothingForTheNextStart) {
    Start();
    PressKey();
    MenuOn(editor).UserClick();
    ASSERT_TRUE(IsOverlay(video));
    ASSERT_TRUE(IsOverlay(editor));
    form->TrayPopup_Exit.UserClick();
    EXPECT_EQ(Word(video), 0u);
    EXPECT_EQ(Word(editor), 0u);
    form.reset();

    // A killed run's overlays are given back by the next start; this quit left none.
    platform.windows.Window(editor).exStyle = kWsExLayered | kWsExTopmost | kWsExTransparent;
    platform.windows.SetLayeredAttributes(editor, {std::nullopt, kFortyPercent});
    Start();
    EXPECT_TRUE(IsOverlay(editor)) << "a window this program did not leave behind is not touched";
}

}  // namespace
}  // namespace vitrex::app
