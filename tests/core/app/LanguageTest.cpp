#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/i18n/CatalogueKeys.h"
#include "core/views/captions/CaptionTable.h"
#include "testing/FakeDesktop.h"
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
    // Every target of the list shows its built-in text, composed.
    static void ExpectBuiltInCaptions(MainForm& form) {
        for (const views::captions::Caption& caption : views::captions::Captions()) {
            for (const views::captions::Target& target : caption.targets) {
                if (target.shown == nullptr) continue;
                EXPECT_EQ(target.shown(form),
                          views::captions::Composed(caption, target, i18n::Catalogue::English()))
                    << "[" << caption.section << "] " << caption.key;
            }
        }
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
    MainForm form(platform.NewRun());
    form.TAB_TPZ_TB_Active.SetPosition(30);
    form.TAB_TPZ_TB_InActive.SetPosition(40);
    form.TAB_TPZ_TB_TL.SetPosition(50);
    form.LoadLanguage("xx");
    auto v = [](std::string_view section, std::string_view key) { return Distinct(section, key); };

    // Every target of the list shows its key's text, composed; a key on a wrong control shows
    // there as that key's text.
    int targets = 0;
    for (const views::captions::Caption& caption : views::captions::Captions()) {
        for (const views::captions::Target& target : caption.targets) {
            if (target.shown == nullptr) continue;
            ++targets;
            EXPECT_EQ(target.shown(form), std::string(target.before) + v(caption.section, caption.key) +
                                              std::string(target.after))
                << "[" << caption.section << "] " << caption.key;
        }
    }
    EXPECT_GE(targets, 106) << "the targets of the list as it was written";

    // What the pages compose from their own state.
    EXPECT_EQ(form.GB_Language_CB.Items().back(), v("TabGeneric", "More") + "...");
    EXPECT_EQ(form.TAB_TPZ_GB_Active.Caption(), v("TabTransparency", "ActiveWindow") + " (30%)");
    EXPECT_EQ(form.TAB_TPZ_GB_Inactive.Caption(), v("TabTransparency", "InActiveWindows") + " (40%)");
    EXPECT_EQ(form.TAB_TPZ_GB_TL.Caption(), v("TabTransparency", "Transparency") + " (50%)");
    const char* rememberedColumns[] = {"RememberedProgram", "RememberedLevel", "RememberedOnTop"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(form.TAB_AUS_RememberedList.Columns().at(i).caption, v("Vitrex", rememberedColumns[i]));
    EXPECT_EQ(form.TINFO_LabelTranslator.Caption(), v("Info", "writer") + " (" + v("Info", "email") + ")");
    EXPECT_FALSE(form.TINFO_Label3.Visible()) << "the date row is German only";
    EXPECT_EQ(form.Bug_Mail.Text(), "(" + v("TabReportBug", "OnlyIfAnswer") + ")");
    EXPECT_EQ(form.Bug_OS.Items(),
              (std::vector<std::string>{"Windows 2000", "Windows XP Home Edition", "Windows XP Professional",
                                        v("TabReportBug", "Other")}));
    EXPECT_TRUE(form.Bug_Label3.Visible()) << "a language other than German or English";
    EXPECT_EQ(
        MenuCaptions(form.TrayPopup),
        (std::vector<std::string>{v("Other", "Active"), v("Other", "Inactive"), v("Other", "Deactivated"),
                                  "-", v("Vitrex", "ReleaseClickThrough"), v("Other", "About"), "-",
                                  v("Other", "Resotre"), v("Other", "Exit")}));
    EXPECT_EQ(form.XPBarVTX.Caption(), "Vitrex") << "the product's panel keeps its name";
}

// The built-in captions are the list's English texts, and each page shows only its own.
TEST_F(Language, TheBuiltInCaptionsAreTheListsEnglishAndAPageShowsOnlyItsOwn) {
    MainForm form(platform.NewRun());
    ExpectBuiltInCaptions(form);
    EXPECT_EQ(form.TINFO_LabelTranslator.Caption(), "Unknown (No E-Mail)");
    EXPECT_EQ(form.Bug_OS.Items().back(), "Other (Please declare!)");

    SeedDistinct();
    form.LoadLanguage("xx");
    views::captions::ShowCaptions(views::captions::Page::Update, form, i18n::Catalogue::English());
    EXPECT_EQ(form.TAB_U_ManuellBTN.Caption(), "Manual Update");
    EXPECT_EQ(form.XPBarVTX.Item(1).Caption(), Distinct("TabUpdate", "Update")) << "the panels' item";
    EXPECT_EQ(form.TAB_U_UpdateBTN.Caption(), "Update");
    EXPECT_EQ(form.TabUpdate.Caption(), "Update");
    EXPECT_EQ(form.TabFehler.Caption(), Distinct("TabReportBug", "ReportBug"));
}

// Every target goes back to its built-in text, composed, when the next file lacks its key.
TEST_F(Language, AFileWithoutTheKeysPutsEveryTargetBackToItsBuiltInText) {
    SeedDistinct();
    SeedLanguage("bare.ini", "Bare");
    MainForm form(platform.NewRun());
    form.LoadLanguage("xx");
    form.LoadLanguage("bare");
    ExpectBuiltInCaptions(form);
    EXPECT_EQ(form.PMenu_AW_ListItems.PM_AOT_False.Caption(), "O&ff") << "its own built-in text";
    EXPECT_EQ(form.PMenu_AW_ListItems.PMNo.Caption(), "&Off");
}

TEST_F(Language, AMissingFileLeavesTheEnglishDefaultsAndTheLabelsOfEnglishAndGerman) {
    MainForm form(platform.NewRun());
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
    MainForm form(platform.NewRun());
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
    MainForm form(platform.NewRun());
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
    MainForm form(platform.NewRun());
    form.FormCreate();
    ASSERT_EQ(form.LanguageFileBase(), "de");
    form.GB_Language_CB.UserSelect(2);
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageHomepage);
    EXPECT_EQ(form.GB_Language_CB.Text(), "Deutsch");
    EXPECT_EQ(form.LanguageFileBase(), "de");
}

TEST_F(Language, TheWelcomeBoxOffersTheLanguagesAndItsFirstChoiceDropsThePlaceholder) {
    SeedLanguage("de.ini", "Deutsch", "[TabWelcome]\r\nWelcome=Willkommen\r\n");
    MainForm form(platform.NewRun());
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
    MainForm form(platform.NewRun());
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
    fakes::Open(platform.windows, platform.processes, {.title = "Note", .className = "Notepad"});
    MainForm form(platform.NewRun());
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
