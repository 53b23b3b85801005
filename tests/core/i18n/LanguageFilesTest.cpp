#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/i18n/LanguageFiles.h"
#include "core/ui/Form.h"
#include "core/views/general/LanguageBoxes.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"

namespace vitrex::i18n {
namespace {

using Names = std::vector<std::string>;

constexpr const char* kFolder = "C:\\Program Files\\Vitrex\\languages\\";

std::string LanguageFile(const std::string& displayName, const std::string& compatible = "1") {
    return "[Compatible]\r\n0021=" + compatible + "\r\n[Info]\r\nlanguage=" + displayName + "\r\n";
}

struct LanguageScan : ::testing::Test {
    void Add(const std::string& name, std::string bytes) { files.Seed(kFolder + name, std::move(bytes)); }
    std::string Find(std::string_view wanted) { return scan.Find(wanted); }

    fakes::FakeFiles files;
    fakes::FakeDialogs dialogs;
    ui::Form form{"VTXForm", "TVTXForm", 531, 333};
    ui::ComboBox languageBox{"GB_Language_CB", &form, {}};
    ui::ComboBox welcomeBox{"WelcomeLangCB", &form, {}};
    int terminated = 0;
    views::general::LanguageBoxes scan{files, dialogs, languageBox, welcomeBox, [this] { ++terminated; }};
};

TEST_F(LanguageScan, TheWantedNameIsChosenWithItsCaseElseEnglishWithEnIni) {
    Add("de.ini", LanguageFile("Deutsch"));
    Add("en.ini", LanguageFile("English"));
    EXPECT_EQ(Find("Deutsch"), "de");
    EXPECT_EQ(languageBox.Items(), (Names{"Deutsch", "English"})) << "in the folder's order";
    EXPECT_EQ(languageBox.Text(), "Deutsch");

    EXPECT_EQ(Find("deutsch"), "en");
    EXPECT_EQ(languageBox.Text(), "English");
    EXPECT_EQ(languageBox.Items().size(), 2u) << "refilled, not appended";
    EXPECT_EQ(terminated, 0);
}

TEST_F(LanguageScan, OnlyFilesForThisBuildCountWhateverTheirName) {
    Add("old.ini", "[Compatible]\r\n0020=1\r\n[Info]\r\nlanguage=Old\r\n");
    Add("padded.ini", LanguageFile("Padded", "01"));
    Add("odd.ini", LanguageFile("Odd", "one"));
    Add("readme.txt", LanguageFile("Readme"));
    files.SeedFolder(std::string(kFolder) + "sub.ini");
    files.SetAttributes(std::string(kFolder) + "padded.ini", true, true);
    EXPECT_EQ(Find("Readme"), "readme");
    EXPECT_EQ(languageBox.Items(), (Names{"Padded", "Readme"}));
}

TEST_F(LanguageScan, WithoutEnglishTheFirstCompatibleFileIsTaken) {
    Add("fr.ini", LanguageFile("Fran\xC3\xA7"
                               "ais"));
    EXPECT_EQ(Find("Deutsch"), "fr");
    EXPECT_EQ(languageBox.ItemIndex(), 0);
}

// A third-party file that calls itself English, and one without [Info]: every file once, under a
// name that tells it apart, and each stored choice finds the file it was saved from.
TEST_F(LanguageScan, FilesWithOneNameOrNoneAreToldApartAndTheStoredChoiceFindsItsFile) {
    Add("x.ini", LanguageFile("English"));
    Add("en.ini", LanguageFile("English"));
    Add("blank.ini", "[Compatible]\r\n0021=1\r\n");
    EXPECT_EQ(Find("English (x.ini)"), "x");
    Names shown = languageBox.Items();
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Names{"English (en.ini)", "English (x.ini)", "blank.ini"}));
    EXPECT_EQ(languageBox.Text(), "English (x.ini)");
    EXPECT_EQ(Find("English (en.ini)"), "en");
    EXPECT_EQ(Find("blank.ini"), "blank");
    EXPECT_EQ(languageBox.Text(), "blank.ini");
    // Stored before the other file came: the shipped file, whichever the folder lists first.
    EXPECT_EQ(Find("English"), "en");
    EXPECT_EQ(languageBox.Text(), "English (en.ini)");
    EXPECT_EQ(Find("Klingon"), "en") << "no match: the English file by its name";
}

TEST_F(LanguageScan, OfUnshippedFilesWithOneNameAPlainNameTakesTheFirstListed) {
    Add("es2.ini", LanguageFile("Espanol"));
    Add("es1.ini", LanguageFile("espanol"));
    EXPECT_EQ(Find("Espanol"), "es2");
    EXPECT_EQ(languageBox.Items(), (Names{"Espanol (es2.ini)", "espanol (es1.ini)"}))
        << "alike in any letter case";
    EXPECT_EQ(Find("espanol (es1.ini)"), "es1");
}

TEST_F(LanguageScan, TheWelcomeBoxIsFilledOnceWithItsPlaceholderFirst) {
    Add("en.ini", LanguageFile("English"));
    Find("");
    EXPECT_EQ(welcomeBox.Items(), (Names{"Select Language", "English"}));
    EXPECT_EQ(welcomeBox.ItemIndex(), 0);
    Add("de.ini", LanguageFile("Deutsch"));
    Find("");
    EXPECT_EQ(welcomeBox.Items(), (Names{"Select Language", "English"}));
}

TEST_F(LanguageScan, NoCompatibleFileIsFatalButTheScanStillReturns) {
    EXPECT_EQ(Find("English"), "en.ini") << "no folder at all";
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Fatal Error: No language file found. Please reinstall the program.");
    EXPECT_EQ(terminated, 1);
    Add("fr.ini", LanguageFile("Fran\xC3\xA7"
                               "ais",
                               "0"));
    EXPECT_EQ(Find("English"), "en.ini") << "a folder without a compatible file";
    EXPECT_EQ(terminated, 2);
}

TEST(WholeNumbers, ReadAsTheProfileReadersConvertThem) {
    EXPECT_EQ(WholeNumber("01"), 1);
    EXPECT_EQ(WholeNumber(" 1 "), 1);
    EXPECT_EQ(WholeNumber("$10"), 16);
    EXPECT_EQ(WholeNumber("-1"), -1);
    EXPECT_EQ(WholeNumber("1.0"), std::nullopt);
    EXPECT_EQ(WholeNumber(""), std::nullopt);
    EXPECT_EQ(WholeNumber("99999999999"), std::nullopt);
}

}  // namespace
}  // namespace vitrex::i18n
