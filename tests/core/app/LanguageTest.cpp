#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/i18n/CatalogueKeys.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

constexpr const char* kFolder = "C:\\Program Files\\Vitrex\\languages\\";

// A distinct value for every key, so a key put on the wrong target shows.
std::string Distinct(std::string_view section, std::string_view key) {
    return "<" + std::string(section) + "." + std::string(key) + ">";
}

struct Language : ::testing::Test {
    fakes::FakePlatform platform;

    void SeedLanguage(const std::string& file, const std::string& displayName, const std::string& more = {}) {
        platform.files.Seed(kFolder + file,
                            "[Compatible]\r\n0021=1\r\n[Info]\r\nlanguage=" + displayName + "\r\n" + more);
    }
    // Every key of the catalogue with its distinct value, as the file "xx.ini".
    void SeedDistinct() {
        std::string ini = "[Compatible]\r\n0021=1\r\n";
        std::string section;
        for (const i18n::CatalogueKey& entry : i18n::CatalogueKeys()) {
            if (entry.section != section) {
                section = entry.section;
                ini += "[" + section + "]\r\n";
            }
            ini += std::string(entry.key) + "=" + Distinct(entry.section, entry.key) + "\r\n";
        }
        platform.files.Seed(std::string(kFolder) + "xx.ini", ini);
    }
    std::vector<std::string> MenuCaptions(const ui::PopupMenu& menu) const {
        std::vector<std::string> captions;
        for (const auto& item : menu.Items())
            captions.push_back(item->Caption());
        return captions;
    }
};

TEST_F(Language, EveryKeyReachesExactlyItsTargetsWithItsComposition) {
    SeedDistinct();
    MainForm form(platform.ports);
    form.TAB_TPZ_TB_Active.SetPosition(30);
    form.TAB_TPZ_TB_InActive.SetPosition(40);
    form.TAB_TPZ_TB_TL.SetPosition(50);
    form.LoadLanguage("xx");
    auto v = [](std::string_view section, std::string_view key) { return Distinct(section, key); };
    auto colon = [](std::string_view section, std::string_view key) { return Distinct(section, key) + ":"; };

    EXPECT_EQ(form.XPBarConfig.Item(0).Caption(), v("TabGeneric", "Generic"));
    EXPECT_EQ(form.TabAllgemein.Caption(), v("TabGeneric", "Generic"));
    EXPECT_EQ(form.GB_CPU.Caption(), v("TabGeneric", "CPUUsage"));
    EXPECT_EQ(form.GB_CPU_CB.Caption(), v("TabGeneric", "ShowCPUUsage"));
    EXPECT_EQ(form.GB_STRAY_RB1.Caption(), v("TabGeneric", "ShowCPUUsage"));
    EXPECT_EQ(form.GB_CPU_Label1.Caption(), colon("TabGeneric", "UpdateRange"));
    EXPECT_EQ(form.GB_STRAY.Caption(), v("TabGeneric", "TrayIcon"));
    EXPECT_EQ(form.GB_STRAY_RB2.Caption(), v("TabGeneric", "ShowVitrexLogo"));
    EXPECT_EQ(form.GB_STRAY_RB3.Caption(), v("TabGeneric", "NoTrayIcon"));
    EXPECT_EQ(form.GB_Transparenz.Caption(), v("TabGeneric", "ChangeTransparency"));
    EXPECT_EQ(form.GB_Transparenz_One.Caption(), v("TabGeneric", "OnlyActiveWindow"));
    EXPECT_EQ(form.GB_Transparenz_All.Caption(), v("TabGeneric", "ActiveProcess"));
    EXPECT_EQ(form.GB_Start.Caption(), v("TabGeneric", "Program"));
    EXPECT_EQ(form.GB_Start_AutoStart.Caption(), v("TabGeneric", "StartWithWindows"));
    EXPECT_EQ(form.GB_Start_Hide.Caption(), v("TabGeneric", "HideAtStartup"));
    EXPECT_EQ(form.GB_Start_Active.Caption(), v("TabGeneric", "ActiveAtStartup"));
    EXPECT_EQ(form.GB_Start_CUpdate.Caption(), v("TabGeneric", "UpdateCheck"));
    EXPECT_EQ(form.GB_Language.Caption(), v("TabGeneric", "Language"));
    EXPECT_EQ(form.GB_Language_CB.Items().back(), v("TabGeneric", "More") + "...");
    EXPECT_EQ(form.GB_ShortCuts.Caption(), v("TabGeneric", "ShortCuts"));
    EXPECT_EQ(form.GB_ShortCuts_ChTransCB.Caption(), v("TabGeneric", "ChangeTransparency"));
    EXPECT_EQ(form.GB_ShortCuts_ChTransRB1.Caption(), v("TabGeneric", "Ctrl") + "+0...9");
    EXPECT_EQ(form.GB_ShortCuts_ChTransRB2.Caption(), v("TabGeneric", "WIN") + "+0...9");
    EXPECT_EQ(form.GB_ShortCuts_AoTCB.Caption(), v("TabGeneric", "AllwaysOnTop"));
    EXPECT_EQ(form.GB_ShortCuts_AoTOnL.Caption(), colon("TabGeneric", "On"));
    EXPECT_EQ(form.GB_ShortCuts_AoTOffL.Caption(), colon("TabGeneric", "Off"));
    EXPECT_EQ(form.GB_ShortCuts_HelpTitle.Caption(), v("TabGeneric", "Help"));
    EXPECT_EQ(form.GB_ShortCuts_HelpText.Caption(), v("TabGeneric", "HelpText"));

    EXPECT_EQ(form.XPBarConfig.Item(1).Caption(), v("TabTransparency", "Transparency"));
    EXPECT_EQ(form.TabTransparenz.Caption(), v("TabTransparency", "Transparency"));
    EXPECT_EQ(form.TAB_TPZ_CB.Caption(), v("TabTransparency", "MakeAllWindowsTransparency"));
    EXPECT_EQ(form.TAB_TPZ_RESET.Caption(), v("TabTransparency", "Reset"));
    EXPECT_EQ(form.TAB_TPZ_TLCB.Caption(), v("TabTransparency", "TransparencyTaskbar"));
    EXPECT_EQ(form.TAB_TPZ_GB_Active.Caption(), v("TabTransparency", "ActiveWindow") + " (30%)");
    EXPECT_EQ(form.TAB_TPZ_GB_Inactive.Caption(), v("TabTransparency", "InActiveWindows") + " (40%)");
    EXPECT_EQ(form.TAB_TPZ_GB_TL.Caption(), v("TabTransparency", "Transparency") + " (50%)");

    EXPECT_EQ(form.XPBarConfig.Item(2).Caption(), v("TabExceptions", "Exceptions"));
    EXPECT_EQ(form.TabAusnahmen.Caption(), v("TabExceptions", "Exceptions"));
    EXPECT_EQ(form.TAB_Ausnahmen_GB1.Caption(), v("TabExceptions", "Programs"));
    EXPECT_EQ(form.TAB_AUS_BTN_Add.Caption(), v("TabExceptions", "Add"));
    EXPECT_EQ(form.TAB_AUS_BTN_Delete.Caption(), v("TabExceptions", "DeleteItem"));
    EXPECT_EQ(form.TAB_AUS_BTN_DeleteAll.Caption(), v("TabExceptions", "DeleteAll"));
    EXPECT_EQ(form.TAB_Ausnahmen_GB2.Caption(), v("TabExceptions", "ImportExport"));
    EXPECT_EQ(form.TAB_AUS_BTN_Import.Caption(), v("TabExceptions", "Import"));
    EXPECT_EQ(form.TAB_AUS_BTN_Export.Caption(), v("TabExceptions", "Export"));
    EXPECT_EQ(form.TAB_AUS_GB_Remembered.Caption(), v("Vitrex", "RememberedLevels"));
    EXPECT_EQ(form.TAB_AUS_BTN_Forget.Caption(), v("Vitrex", "Remove"));
    const char* rememberedColumns[] = {"RememberedProgram", "RememberedLevel", "RememberedOnTop"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(form.TAB_AUS_RememberedList.Columns().at(i).caption, v("Vitrex", rememberedColumns[i]));

    EXPECT_EQ(form.XPBarConfig.Item(3).Caption(), v("TabApplications", "Applications"));
    EXPECT_EQ(form.TabAnwendungen.Caption(), v("TabApplications", "Applications"));
    const char* columns[] = {"Windows", "Handle", "PID", "Process"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form.TAB_AW_List.Columns().at(i).caption, v("TabApplications", columns[i]));
    const auto& menu = form.PMenu_AW_ListItems;
    EXPECT_EQ(menu.PMReload.Caption(), v("TabApplications", "ReloadList"));
    EXPECT_EQ(menu.PMRestore.Caption(), v("TabApplications", "Restore"));
    EXPECT_EQ(menu.PMMinimize.Caption(), v("TabApplications", "Minimize"));
    EXPECT_EQ(menu.PMMaximize.Caption(), v("TabApplications", "Maximize"));
    EXPECT_EQ(menu.PMClose.Caption(), v("TabApplications", "Close"));
    EXPECT_EQ(menu.PMAusnahme.Caption(), v("TabApplications", "Exception"));
    EXPECT_EQ(menu.PMFenstertransparent.Caption(), v("TabApplications", "ChangeTransparency"));
    EXPECT_EQ(menu.PMNo.Caption(), v("TabApplications", "Off"));
    EXPECT_EQ(menu.PMFensterumbennen.Caption(), v("TabApplications", "RenameWindow"));
    EXPECT_EQ(menu.PMAlwaysOnTop.Caption(), v("TabApplications", "AlwaysOnTop"));
    EXPECT_EQ(menu.PM_AOT_True.Caption(), v("TabApplications", "On"));
    EXPECT_EQ(menu.PM_AOT_False.Caption(), v("TabApplications", "Off"));

    EXPECT_EQ(form.XPBarVTX.Item(0).Caption(), v("TabInfo", "About") + " Vitrex");
    EXPECT_EQ(form.TabUeber.Caption(), v("TabInfo", "About") + " Vitrex");
    EXPECT_EQ(form.TINFO_Label1.Caption(), v("TabInfo", "Freeware"));
    EXPECT_EQ(form.TINFO_Label2.Caption(), colon("TabInfo", "Version"));
    EXPECT_EQ(form.TINFO_Label4.Caption(), colon("TabInfo", "Homepage"));
    EXPECT_EQ(form.TINFO_Label5.Caption(), colon("TabInfo", "EMail"));
    EXPECT_EQ(form.TINFO_LabelTranslatorText.Caption(), colon("TabInfo", "TranslatorText"));
    EXPECT_EQ(form.TINFO_LabelTranslator.Caption(), v("Info", "writer") + " (" + v("Info", "email") + ")");
    EXPECT_EQ(form.TINFO_LabelDonate.Caption(), colon("TabInfo", "Donate"));
    EXPECT_FALSE(form.TINFO_Label3.Visible()) << "the date row is German only";

    EXPECT_EQ(form.XPBarVTX.Item(1).Caption(), v("TabUpdate", "Update"));
    EXPECT_EQ(form.TabUpdate.Caption(), v("TabUpdate", "Update"));
    EXPECT_EQ(form.TAB_U_WaitPanel.Caption(), v("TabUpdate", "CheckingForUpdates"));
    EXPECT_EQ(form.TAB_U_NoConnection.Caption(), v("TabUpdate", "ManualUpdate"));
    EXPECT_EQ(form.TAB_U_UpdateBTN.Caption(), v("TabUpdate", "Update"));
    EXPECT_EQ(form.TAB_U_ManuellBTN.Caption(), v("TabUpdate", "ManualUpdate"));
    EXPECT_EQ(form.TAB_U_AbbrechenBTN.Caption(), v("TabUpdate", "Cancel"));
    EXPECT_EQ(form.GB_Changelog.Caption(), v("TabUpdate", "WhatIsNew"));
    EXPECT_EQ(form.TAB_U_Label1.Caption(), colon("TabUpdate", "YourVersion"));
    EXPECT_EQ(form.TAB_U_Label2.Caption(), colon("TabUpdate", "CurrentVersion"));

    EXPECT_EQ(form.XPBarVTX.Item(2).Caption(), v("TabReportBug", "ReportBug"));
    EXPECT_EQ(form.TabFehler.Caption(), v("TabReportBug", "ReportBug"));
    EXPECT_EQ(form.Bug_Headline.Caption(), colon("TabReportBug", "Description"));
    EXPECT_EQ(form.Bug_Mail.Caption(), colon("TabReportBug", "YourEMailAdress"));
    EXPECT_EQ(form.Bug_Mail.Text(), "(" + v("TabReportBug", "OnlyIfAnswer") + ")");
    EXPECT_EQ(form.Bug_Label1.Caption(), colon("TabReportBug", "OperatingSystem"));
    EXPECT_EQ(form.Bug_OS.Items(),
              (std::vector<std::string>{"Windows 2000", "Windows XP Home Edition", "Windows XP Professional",
                                        v("TabReportBug", "Other")}));
    EXPECT_EQ(form.Bug_Label2.Caption(), colon("TabReportBug", "BugReport"));
    EXPECT_EQ(form.Bug_Label3.Caption(), v("TabReportBug", "EnglishOnly"));
    EXPECT_TRUE(form.Bug_Label3.Visible()) << "a language other than German or English";
    EXPECT_EQ(form.Bug_Send.Caption(), v("TabReportBug", "Send"));

    EXPECT_EQ(form.TabWillkommen.Caption(), v("TabWelcome", "Welcome"));
    EXPECT_EQ(form.WelcomeTopL1.Caption(), "Vitrex - " + v("TabWelcome", "FirstSteps"));
    EXPECT_EQ(form.WelcomeL1.Caption(), v("TabWelcome", "Attention"));
    EXPECT_EQ(form.WelcomeL2.Caption(), v("TabWelcome", "AttentionInfo"));
    EXPECT_EQ(form.WelcomeL3.Caption(), v("TabWelcome", "HelpMessage"));
    EXPECT_EQ(form.WelcomePayPalLabel.Caption(), colon("TabInfo", "Donate"));
    EXPECT_EQ(form.WelcomeOKBtn.Caption(), v("TabWelcome", "OK"));

    EXPECT_EQ(form.XPBarConfig.Caption(), v("Other", "Settings"));
    EXPECT_EQ(form.XPBarStatus.Caption(), v("Other", "State"));
    EXPECT_EQ(form.XPBarStatus.Item(0).Caption(), v("Other", "Active"));
    EXPECT_EQ(form.XPBarStatus.Item(1).Caption(), v("Other", "Inactive"));
    EXPECT_EQ(form.XPBarStatus.Item(2).Caption(), v("Other", "Deactivated"));
    EXPECT_EQ(form.XPBarVTX.Item(3).Caption(), v("Other", "Homepage"));
    EXPECT_EQ(
        MenuCaptions(form.TrayPopup),
        (std::vector<std::string>{v("Other", "Active"), v("Other", "Inactive"), v("Other", "Deactivated"),
                                  "-", v("Other", "About"), "-", v("Other", "Resotre"), v("Other", "Exit")}));
    EXPECT_EQ(form.XPBarVTX.Caption(), "Vitrex") << "the product's panel keeps its name";
}

TEST_F(Language, AMissingFileLeavesTheEnglishDefaultsAndTheLabelsOfEnglishAndGerman) {
    MainForm form(platform.ports);
    form.LoadLanguage("nothing");
    EXPECT_EQ(form.GB_ShortCuts_ChTransRB2.Caption(), "Windows Key +0...9");
    EXPECT_EQ(form.TINFO_LabelTranslator.Caption(), "Unknown (No E-Mail)");
    EXPECT_EQ(form.PMenu_AW_ListItems.PMNo.Caption(), "&Off");
    EXPECT_EQ(form.PMenu_AW_ListItems.PM_AOT_False.Caption(), "O&ff");
    EXPECT_EQ(form.TrayPopup_Exit.Caption(), "&Exit");
    EXPECT_EQ(form.Bug_Mail.Text(), "(Only fill in if a answer is desired!)");
    EXPECT_FALSE(form.TINFO_LabelDatum.Visible());
    EXPECT_TRUE(form.Bug_Label3.Visible());
    form.LoadLanguage("en");
    EXPECT_FALSE(form.Bug_Label3.Visible());
}

TEST_F(Language, DeutschShowsTheDateRowAnEmptyValueStaysEmptyAndWinHasNoBlank) {
    SeedLanguage("de.ini", "Deutsch", "[TabGeneric]\r\nUpdateRange=\r\nWIN=Win\r\n");
    SeedLanguage("lower.ini", "deutsch");
    MainForm form(platform.ports);
    form.LoadLanguage("de");
    EXPECT_TRUE(form.TINFO_Label3.Visible());
    EXPECT_TRUE(form.TINFO_LabelDatum.Visible());
    EXPECT_FALSE(form.Bug_Label3.Visible());
    EXPECT_EQ(form.GB_CPU_Label1.Caption(), ":");
    EXPECT_EQ(form.GB_ShortCuts_ChTransRB2.Caption(), "Win+0...9");
    form.LoadLanguage("lower");
    EXPECT_FALSE(form.TINFO_Label3.Visible());
}

TEST_F(Language, ChangesLeaveOneMoreEntryAndOneOtherAndTheLevelsKeepTheirPositions) {
    SeedLanguage("de.ini", "Deutsch",
                 "[TabTransparency]\r\nActiveWindow=Aktives Fenster\r\n[TabReportBug]\r\nOther=Andere\r\n"
                 "[TabGeneric]\r\nMore=Mehr\r\n");
    testing::SeedEarlierRun(platform.registry);
    MainForm form(platform.ports);
    form.FormCreate();
    EXPECT_EQ(form.GB_Language_CB.Items(), (std::vector<std::string>{"English", "Deutsch", "More..."}));
    EXPECT_EQ(form.GB_Language_CB.Text(), "English");
    form.Bug_OS.UserSelect(3);

    form.GB_Language_CB.UserSelect(1);
    EXPECT_EQ(form.LanguageFileBase(), "de");
    form.GB_Language_CB.UserSelect(0);
    form.GB_Language_CB.UserSelect(1);
    EXPECT_EQ(form.GB_Language_CB.Items(), (std::vector<std::string>{"English", "Deutsch", "Mehr..."}));
    EXPECT_EQ(form.GB_Language_CB.Text(), "Deutsch");
    EXPECT_EQ(std::count(form.Bug_OS.Items().begin(), form.Bug_OS.Items().end(), "Andere"), 1);
    EXPECT_EQ(form.Bug_OS.Items().size(), 4u);
    EXPECT_EQ(form.Bug_OS.ItemIndex(), 3) << "a chosen Other stays chosen";
    EXPECT_EQ(form.TAB_TPZ_GB_Active.Caption(), "Aktives Fenster (10%)");
}

TEST_F(Language, TheLastItemShowsTheWebPageAndKeepsTheLanguage) {
    SeedLanguage("de.ini", "Deutsch");
    testing::SeedEarlierRun(platform.registry);
    platform.registry.Seed("Software\\Vitrex", "Language", fakes::FakeRegistryValue::Sz("Deutsch"));
    MainForm form(platform.ports);
    form.FormCreate();
    ASSERT_EQ(form.LanguageFileBase(), "de");
    form.GB_Language_CB.UserSelect(2);
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageHomepage);
    EXPECT_EQ(form.GB_Language_CB.Text(), "Deutsch");
    EXPECT_EQ(form.LanguageFileBase(), "de");
}

TEST_F(Language, TheWelcomeBoxOffersTheLanguagesAndItsFirstChoiceDropsThePlaceholder) {
    SeedLanguage("de.ini", "Deutsch", "[TabWelcome]\r\nWelcome=Willkommen\r\n");
    MainForm form(platform.ports);
    form.FormCreate();
    EXPECT_EQ(form.WelcomeLangCB.Items(),
              (std::vector<std::string>{"Select Language", "English", "Deutsch"}));
    EXPECT_EQ(form.WelcomeLangCB.ItemIndex(), 0);
    EXPECT_EQ(form.TabWillkommen.Caption(), "Welcome");

    form.WelcomeLangCB.UserSelect(0);
    EXPECT_EQ(form.LanguageFileBase(), "en") << "the placeholder chooses nothing";
    form.WelcomeLangCB.UserSelect(2);
    EXPECT_EQ(form.TabWillkommen.Caption(), "Willkommen");
    EXPECT_EQ(form.WelcomeLangCB.Items(), (std::vector<std::string>{"English", "Deutsch"}));
    EXPECT_EQ(form.WelcomeLangCB.Text(), "Deutsch");
    EXPECT_EQ(form.GB_Language_CB.Text(), "Deutsch") << "the settings page shows the same language";

    form.RequestQuit();
    form.Close();
    EXPECT_EQ(platform.registry.Value("Software\\Vitrex", "Language")->text, "Deutsch");
}

TEST_F(Language, WithoutALanguageFileTheProgramSaysSoAndEndsAfterStartUp) {
    platform.files.RemoveFile(std::string(kFolder) + "en.ini");
    SeedLanguage("old.ini", "Old", "[Compatible]\r\n0020=1\r\n");
    platform.files.Seed(std::string(kFolder) + "old.ini", "[Compatible]\r\n0020=1\r\n");
    MainForm form(platform.ports);
    form.FormCreate();
    EXPECT_EQ(platform.dialogs.Messages(),
              std::vector<std::string>{"Fatal Error: No language file found. Please reinstall the program."});
    EXPECT_TRUE(form.Terminated());
    EXPECT_EQ(form.SystemMenu().Entries().back().caption, "Exit") << "start-up still finished";
    EXPECT_EQ(form.GB_Transparenz_One.Caption(), "Only Active Window");
}

TEST_F(Language, TheStoredTextsReachTheirUsers) {
    SeedLanguage("de.ini", "Deutsch",
                 "[TabExceptions]\r\nAllFiles=Alle Dateien\r\nPrograms=Programme\r\n"
                 "[TabApplications]\r\nRenameWindowTitle=Fenster umbenennen\r\n"
                 "[Other]\r\nExit=Beenden\r\n[Vitrex]\r\nInputOK=Gut\r\nInputCancel=Abbruch\r\n");
    testing::SeedEarlierRun(platform.registry);
    platform.registry.Seed("Software\\Vitrex", "Language", fakes::FakeRegistryValue::Sz("Deutsch"));
    fakes::FakeWindow note;
    note.title = "Note";
    note.className = "Notepad";
    platform.windows.AddWindow(note);
    MainForm form(platform.ports);
    form.FormCreate();
    EXPECT_EQ(form.SystemMenu().Entries().back().caption, "Beenden");

    form.TAB_AUS_BTN_Add.UserClick();
    ASSERT_FALSE(platform.dialogs.shown.empty());
    EXPECT_EQ(platform.dialogs.shown.back().options.filter, "Programme|*.exe|Alle Dateien|*.*");

    form.ReloadApplicationList();
    ASSERT_GT(form.TAB_AW_List.Rows().size(), 0u);
    form.TAB_AW_List.SetItemIndex(0);
    form.PMenu_AW_ListItems.PMFensterumbennen.UserClick();
    EXPECT_EQ(platform.dialogs.shown.back().text, "Fenster umbenennen");
    EXPECT_EQ(platform.dialogs.inputButtons.ok, "Gut");
    EXPECT_EQ(platform.dialogs.inputButtons.cancel, "Abbruch");
}

}  // namespace
}  // namespace vitrex::app
