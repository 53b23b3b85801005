#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakeDesktop.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct Startup : ::testing::Test {
    fakes::FakePlatform platform;

    // The settings a second start finds after a first start with the defaults.
    void SeedDefaults() { testing::SeedEarlierRun(platform.registry); }
    std::uint32_t Dword(const char* name) const {
        auto value = platform.registry.Value(kKey, name);
        EXPECT_TRUE(value.has_value()) << name;
        return value ? value->bytes.at(0) | (value->bytes.at(1) << 8) : 0xFFFFFFFF;
    }
    WindowHandle AddTaskbar() {
        return fakes::Open(platform.windows, platform.processes, {.className = "Shell_TrayWnd"});
    }
    bool TabShown(const MainForm& form, int page) const { return form.Pages.Page(page).TabVisible(); }
};

TEST_F(Startup, FirstStartWritesTheDefaultsAndWelcomesTheUser) {
    MainForm form(platform.NewRun());
    form.FormCreate();

    EXPECT_EQ(
        platform.registry.ValueNames(kKey),
        (std::vector<std::string>{"CPU", "CPU_TIME", "SYSTRAY", "AB_ActiveWindow", "AB_InActiveWindow",
                                  "AB_Active", "AB_TaskbarActive", "AB_TaskBar", "ApplicationCommand",
                                  "NoABList", "HideProgram", "StartActive", "ChangeProcessAB", "UpdateCheck",
                                  "SC_Transparency", "SC_STRG", "SC_AoT", "SC_AoT_On", "SC_AoT_Off"}));
    EXPECT_TRUE(form.Visible()) << "the welcome page shows although HideProgram is true";
    EXPECT_EQ(form.Pages.VisibleTabs(), std::vector<int>{kPageWelcome});
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageWelcome);
    EXPECT_TRUE(form.XPBarStatus.Item(1).Visible()) << "inactive";
    EXPECT_FALSE(form.XPBarStatus.Item(0).Visible());
    EXPECT_FALSE(form.XPBarStatus.Item(2).Visible());
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
    EXPECT_FALSE(form.GB_Start_AutoStart.Checked());
    EXPECT_FALSE(platform.registry.KeyExists(std::string(kRunKey) + "\\Vitrex"));
    EXPECT_EQ(form.TAB_TPZ_GB_Active.Caption(), "Active Window (10%)");
    EXPECT_EQ(form.TAB_TPZ_GB_Inactive.Caption(), "Inactive Windows (25%)");
    EXPECT_EQ(form.TabDebugList.Items(),
              (std::vector<std::string>{"Vitrex v0.21 PreBuild Log", std::string(88, '-')}));
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(Startup, SecondStartWithTheDefaultsStaysHiddenAndInactive) {
    SeedDefaults();
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Pages.VisibleTabs(), std::vector<int>{kPageGeneral});
    EXPECT_TRUE(form.XPBarStatus.Item(1).Visible());
    EXPECT_TRUE(form.GB_CPU_CB.Checked());
    EXPECT_TRUE(form.CPU_Timer.Enabled());
    EXPECT_EQ(form.CPU_Timer.IntervalMs(), 1000);
    EXPECT_TRUE(form.GB_STRAY_RB1.Checked());
    EXPECT_TRUE(form.GB_Start_CUpdate.Checked());
    EXPECT_EQ(form.GB_ShortCuts_AoTOn.Value(), 0xC070);
}

TEST_F(Startup, UpgradeShowsTheWelcomePageOnceAndKeepsStoredNumbers) {
    SeedDefaults();
    for (const char* name :
         {"UpdateCheck", "SC_Transparency", "SC_STRG", "SC_AoT", "SC_AoT_On", "SC_AoT_Off"}) {
        platform.registry.Remove(kKey, name);
    }
    platform.registry.Seed(kKey, "AB_ActiveWindow", FakeRegistryValue::Dword(40));
    {
        MainForm form(platform.NewRun());
        form.FormCreate();
        EXPECT_TRUE(form.Visible());
        EXPECT_EQ(form.Pages.ActivePageIndex(), kPageWelcome);
        EXPECT_EQ(form.TAB_TPZ_TB_Active.Position(), 40);
    }
    MainForm again(platform.NewRun());
    again.FormCreate();
    EXPECT_FALSE(again.Visible());
}

TEST_F(Startup, AMissingNumberLoadsAsItsDefaultWithOneLogEntryAndStartUpGoesOn) {
    SeedDefaults();
    platform.registry.Remove(kKey, "HideProgram");
    platform.registry.Seed(kKey, "AB_InActiveWindow", FakeRegistryValue::Dword(40));
    platform.registry.Seed(kKey, "NoABList", FakeRegistryValue::Sz("game.exe\r\n"));
    platform.clock.SetLocalLongTime("09:15:00");
    MainForm form(platform.NewRun());
    form.FormCreate();

    const auto& log = form.TabDebugList.Items();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[2], "09:15:00 Fehler beim Holen der Daten f\xC3\xBCr 'HideProgram'");
    EXPECT_EQ(log[3], "Typ: RegistryError");
    EXPECT_EQ(log[4], "Sender: VTXForm [TVTXForm]");
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_EQ(form.TAB_TPZ_TB_InActive.Position(), 40);
    EXPECT_EQ(form.TAB_Ausnahmen_List.Items(), std::vector<std::string>{"game.exe"});
    EXPECT_TRUE(form.GB_Start_Hide.Checked()) << "its default";
    EXPECT_FALSE(form.Visible());
    EXPECT_NE(form.Engine(), nullptr) << "the steps after it ran";
    EXPECT_TRUE(form.SystemMenu().UserCommand(kExitCommand));
    EXPECT_TRUE(form.Terminated());
    EXPECT_EQ(Dword("HideProgram"), 1u) << "written back at quit";
}

// A number stored as text (reg add /t REG_SZ) with "Hide at Startup" off: the program shows its
// window and tray icon with every other setting as stored, and the quit stores a number again.
TEST_F(Startup, AWrongTypedNumberNeitherHidesTheProgramNorStaysWrong) {
    SeedDefaults();
    platform.registry.Seed(kKey, "CPU_TIME", FakeRegistryValue::Sz("7"));
    platform.registry.Seed(kKey, "HideProgram", FakeRegistryValue::Dword(0));
    platform.registry.Seed(kKey, "AB_ActiveWindow", FakeRegistryValue::Dword(40));
    platform.registry.Seed(kKey, "SYSTRAY", FakeRegistryValue::Dword(1));
    platform.registry.Seed(kKey, "NoABList", FakeRegistryValue::Sz("game.exe\r\n"));
    MainForm form(platform.NewRun());
    form.FormCreate();

    ASSERT_EQ(form.TabDebugList.Items().size(), 6u);
    EXPECT_NE(form.TabDebugList.Items()[2].find("Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'CPU_TIME'"),
              std::string::npos)
        << form.TabDebugList.Items()[2];
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Tray2.IconVisible()) << "the logo icon, as stored";
    EXPECT_EQ(form.GB_CPU_TB.Position(), 10);
    EXPECT_EQ(form.TAB_TPZ_TB_Active.Position(), 40);
    EXPECT_EQ(form.TAB_Ausnahmen_List.Items(), std::vector<std::string>{"game.exe"});
    EXPECT_NE(form.Engine(), nullptr);

    form.GB_CPU_TB.UserSetPosition(12);
    form.TrayPopup_Exit.UserClick();
    EXPECT_EQ(platform.registry.Value(kKey, "CPU_TIME"), FakeRegistryValue::Dword(12));
    EXPECT_EQ(Dword("AB_ActiveWindow"), 40u);
    EXPECT_EQ(Dword("SYSTRAY"), 1u);
    EXPECT_EQ(platform.registry.Value(kKey, "NoABList"), FakeRegistryValue::Sz("game.exe\r\n"));
}

// A cleaner removed the command slot alone: no first start, nothing overwritten.
TEST_F(Startup, ADeletedCommandSlotKeepsEverySettingAndShowsNoWelcomePage) {
    SeedDefaults();
    platform.registry.Seed(kKey, "AB_ActiveWindow", FakeRegistryValue::Dword(40));
    platform.registry.Seed(kKey, "AB_InActiveWindow", FakeRegistryValue::Dword(60));
    platform.registry.Seed(kKey, "NoABList", FakeRegistryValue::Sz("game.exe\r\n"));
    platform.registry.Remove(kKey, "ApplicationCommand");
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Pages.VisibleTabs(), std::vector<int>{kPageGeneral});
    EXPECT_EQ(form.TAB_TPZ_TB_Active.Position(), 40);
    EXPECT_EQ(form.TAB_TPZ_TB_InActive.Position(), 60);
    EXPECT_EQ(form.TAB_Ausnahmen_List.Items(), std::vector<std::string>{"game.exe"});
    EXPECT_EQ(platform.registry.Value(kKey, "ApplicationCommand"), FakeRegistryValue::Sz(""));
    EXPECT_EQ(form.TabDebugList.Items().size(), 2u);
}

TEST_F(Startup, StoredNumbersAreHeldToTheControlsAndSavedAsHeld) {
    SeedDefaults();
    platform.registry.Seed(kKey, "AB_ActiveWindow", FakeRegistryValue::Dword(120));
    platform.registry.Seed(kKey, "CPU_TIME", FakeRegistryValue::Dword(2));
    platform.registry.Seed(kKey, "SYSTRAY", FakeRegistryValue::Dword(5));
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(form.TAB_TPZ_TB_Active.Position(), 90);
    EXPECT_EQ(form.GB_CPU_TB.Position(), 5);
    EXPECT_TRUE(form.GB_STRAY_RB3.Checked());

    form.TrayPopup_Exit.UserClick();
    EXPECT_EQ(Dword("AB_ActiveWindow"), 90u);
    EXPECT_EQ(Dword("CPU_TIME"), 5u);
    EXPECT_EQ(Dword("SYSTRAY"), 2u);
}

TEST_F(Startup, StartActiveWithoutTheMasterSwitchStartsDeactivatedAndSavesFalse) {
    SeedDefaults();
    platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1));
    platform.registry.Seed(kKey, "AB_Active", FakeRegistryValue::Dword(0));
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_FALSE(form.GB_Start_Active.Checked());
    EXPECT_FALSE(form.GB_Start_Active.Enabled());
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
    EXPECT_TRUE(form.XPBarStatus.Item(2).Visible()) << "deactivated";
    EXPECT_FALSE(form.XPBarStatus.Item(1).Visible());
    EXPECT_TRUE(form.TrayPopup_Deaktiv.Visible());
    EXPECT_FALSE(form.TrayPopup_Inaktiv.Visible());

    EXPECT_TRUE(form.UserQueryEndSession()) << "the session may end";
    EXPECT_TRUE(form.Terminated());
    EXPECT_EQ(Dword("StartActive"), 0u);
}

TEST_F(Startup, ActivationStateFollowsTheEngineSwitch) {
    SeedDefaults();
    platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1));
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_TRUE(form.Vitrex_Timer.Enabled()) << "active at start-up";
    EXPECT_TRUE(form.XPBarStatus.Item(0).Visible());
    EXPECT_FALSE(form.XPBarStatus.Item(1).Visible());
    EXPECT_TRUE(form.TrayPopup_Aktiv.Visible());
    EXPECT_FALSE(form.TrayPopup_Inaktiv.Visible());
    for (ui::Widget* locked :
         {static_cast<ui::Widget*>(&form.TAB_TPZ_CB), static_cast<ui::Widget*>(&form.GB_Transparenz),
          static_cast<ui::Widget*>(&form.TAB_AUS_BTN_Import),
          static_cast<ui::Widget*>(&form.DebugClassException)}) {
        EXPECT_FALSE(locked->Enabled()) << locked->Name();
    }
    EXPECT_TRUE(form.TAB_AUS_BTN_Export.Enabled());
    EXPECT_TRUE(form.TAB_TPZ_TLCB.Enabled());

    form.XPBarStatus.Item(0).UserClick();
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
    EXPECT_TRUE(form.XPBarStatus.Item(1).Visible());
    EXPECT_TRUE(form.TAB_TPZ_CB.Enabled());
    EXPECT_TRUE(form.DebugClassException.Enabled());

    form.TrayPopup_Inaktiv.UserClick();
    EXPECT_TRUE(form.Vitrex_Timer.Enabled());
}

TEST_F(Startup, ClosingHidesAndSavesNothing) {
    SeedDefaults();
    MainForm form(platform.NewRun());
    form.FormCreate();
    platform.registry.ClearChanges();
    form.BringToFront();
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Terminated());
    EXPECT_TRUE(platform.registry.Changes().empty());
}

TEST_F(Startup, QuitSavesTheTaskbarOpaqueWritesAutostartAndSwitchesOff) {
    SeedDefaults();
    platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1));
    platform.registry.Seed(kKey, "AB_TaskbarActive", FakeRegistryValue::Dword(1));
    const WindowHandle taskbar = AddTaskbar();
    platform.files.SetExecutablePath("C:\\Program Files\\Vitrex App\\Vitrex.exe");
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(platform.windows.GetLayeredAlpha(taskbar), std::optional<std::uint8_t>(191)) << "25 % at start";
    form.GB_Start_AutoStart.SetChecked(true);
    form.DebugClassException.SetText("Notepad");

    form.SystemMenu().UserCommand(kExitCommand);

    EXPECT_TRUE(form.Terminated());
    EXPECT_EQ(Dword("StartActive"), 1u) << "saved before the engine is switched off";
    EXPECT_EQ(platform.registry.Value(kKey, "DebugClassException"), FakeRegistryValue::Sz("Notepad"));
    EXPECT_EQ(platform.windows.GetLayeredAlpha(taskbar), std::optional<std::uint8_t>(255));
    EXPECT_TRUE(platform.windows.StyleOf(taskbar).layered) << "opaque, still layered";
    EXPECT_EQ(platform.registry.Value(kRunKey, "Vitrex"),
              FakeRegistryValue::Sz("\"C:\\Program Files\\Vitrex App\\Vitrex.exe\""));
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
    EXPECT_FALSE(platform.registry.Value(kKey, "ApplicationCommand")->text.size());
}

TEST_F(Startup, QuitWithoutAutostartDeletesTheValueAndAnEmptyClassException) {
    SeedDefaults();
    platform.registry.Seed(kRunKey, "Vitrex", FakeRegistryValue::Sz("old"));
    platform.registry.Seed(kKey, "DebugClassException", FakeRegistryValue::Sz("Notepad"));
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_TRUE(form.GB_Start_AutoStart.Checked());
    EXPECT_EQ(form.DebugClassException.Text(), "Notepad");
    form.GB_Start_AutoStart.SetChecked(false);
    form.DebugClassException.SetText("");
    form.TrayPopup_Exit.UserClick();
    EXPECT_FALSE(platform.registry.Value(kRunKey, "Vitrex").has_value());
    EXPECT_FALSE(platform.registry.Value(kKey, "DebugClassException").has_value());
}

TEST_F(Startup, AKeyThatRefusesWritesIsLoggedAndTheQuitStillRestoresTheDesktop) {
    SeedDefaults();
    platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1));
    platform.registry.Seed(kKey, "AB_TaskbarActive", FakeRegistryValue::Dword(1));
    const WindowHandle taskbar = AddTaskbar();
    MainForm form(platform.NewRun());
    form.FormCreate();
    platform.registry.SetWriteProtected(kKey, true);

    form.TrayPopup_Exit.UserClick();

    EXPECT_TRUE(form.Terminated());
    EXPECT_EQ(form.TabDebugList.Items().at(3), "Typ: RegistryError");
    EXPECT_EQ(platform.windows.GetLayeredAlpha(taskbar), std::optional<std::uint8_t>(255));
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
}

TEST_F(Startup, WindowMenuEndsWithTheExitEntryThatQuits) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    std::vector<unsigned> ids;
    for (const ui::WindowMenuEntry& entry : form.SystemMenu().Entries())
        ids.push_back(entry.id);
    EXPECT_EQ(ids, (std::vector<unsigned>{ui::WindowMenu::kMove, ui::WindowMenu::kMinimize, 0,
                                          ui::WindowMenu::kClose, 0, kExitCommand}));
    EXPECT_EQ(form.SystemMenu().Entries().back().caption, "Exit");
    EXPECT_FALSE(form.SystemMenu().UserCommand(ui::WindowMenu::kMove)) << "left to the system";
    EXPECT_FALSE(form.Terminated());
    EXPECT_TRUE(form.SystemMenu().UserCommand(kExitCommand));
    EXPECT_TRUE(form.Terminated());
}

TEST_F(Startup, PlatformGateStopsBeforeAnySettingIsTouched) {
    platform.system.platformId = 1;
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(platform.dialogs.Messages(),
              std::vector<std::string>{"This Programm runs only with Windows 2000, XP or newer!"});
    EXPECT_TRUE(form.Terminated());
    EXPECT_FALSE(platform.registry.KeyExists(kKey));
}

TEST_F(Startup, SavingTheLogWritesItOnceAndConfirmsWithThePath) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.TabDebugList.UserDblClick();
    form.TabDebugList.UserDblClick();
    const std::string path = "C:\\Program Files\\Vitrex\\exceptions.log";
    EXPECT_EQ(platform.files.File(path), "Vitrex v0.21 PreBuild Log\r\n" + std::string(88, '-') + "\r\n");
    EXPECT_EQ(platform.dialogs.Messages().back(), "List saved to: " + path);

    platform.files.DenyWritesUnder("C:\\Program Files\\Vitrex");
    form.TabDebugList.UserDblClick();
    EXPECT_EQ(platform.dialogs.Messages().size(), 2u) << "no confirmation after a failed save";
    EXPECT_EQ(form.TabDebugList.Items().size(), 6u) << "the failure became an entry";
    EXPECT_EQ(form.TabDebugList.Items()[4], "Sender: TabDebugList [TListBox]");
}

}  // namespace
}  // namespace vitrex::app
