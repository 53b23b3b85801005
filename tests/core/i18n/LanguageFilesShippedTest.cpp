#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "core/i18n/CatalogueKeys.h"
#include "core/i18n/IniFile.h"
#include "core/i18n/LanguageFiles.h"
#include "testing/FakeFiles.h"

namespace vitrex::i18n {
namespace {

// The file as shipped, read through the fake port whose code page is Windows-1252.
IniFile Shipped(const std::string& name, fakes::FakeFiles& files) {
    std::ifstream in(std::string(VITREX_LANGUAGES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    files.Seed(name, std::string(std::istreambuf_iterator<char>(in), {}));
    return IniFile::Load(files, name);
}

TEST(LanguageFilesShipped, EachHoldsEveryKeyOfTheCatalogueAndIsMadeForThisBuild) {
    fakes::FakeFiles files;
    std::set<std::pair<std::string, std::string>> distinct;
    for (const CatalogueKey& entry : CatalogueKeys()) {
        if (entry.section != kOwnSection) distinct.emplace(entry.section, std::string(entry.key));
    }
    EXPECT_GE(distinct.size(), 112u) << "the section and key pairs outside the program's own section";
    for (const char* name : {"en.ini", "de.ini"}) {
        const IniFile file = Shipped(name, files);
        EXPECT_EQ(WholeNumber(file.Read("Compatible", kLanguageBuild, "0")), 1) << name;
        for (const CatalogueKey& entry : CatalogueKeys()) {
            EXPECT_NE(file.Read(entry.section, entry.key, "\x01missing"), "\x01missing")
                << name << " lacks [" << entry.section << "] " << entry.key;
        }
    }
}

TEST(LanguageFilesShipped, EnglishAndGermanCarryTheirNamesUmlautsAndBlanks) {
    fakes::FakeFiles files;
    const IniFile english = Shipped("en.ini", files);
    const IniFile german = Shipped("de.ini", files);
    EXPECT_EQ(english.Read("Info", "language", ""), "English");
    EXPECT_EQ(german.Read("Info", "language", ""), "Deutsch");
    EXPECT_EQ(german.Read("TabTransparency", "Reset", ""),
              "Zur\xC3\xBC"
              "cksetzen");
    EXPECT_EQ(german.Read("TabApplications", "Close", ""),
              "&Schlie\xC3\x9F"
              "en");
    // The radio caption is the text followed by "+0...9": the blank before the plus is the file's.
    EXPECT_EQ(english.Read("TabGeneric", "WIN", ""), "Windows Key ");
    // Where a value is the English default, the file says it as the tables do; but the menus'
    // "Off", which with the table's "&Off" would share its key with "&On" in the always-on-top menu.
    EXPECT_EQ(english.Read("TabApplications", "Off", ""), "O&ff");
    for (const CatalogueKey& entry : CatalogueKeys()) {
        if (entry.section == "Info" || (entry.section == "TabApplications" && entry.key == "Off")) continue;
        EXPECT_EQ(english.Read(entry.section, entry.key, ""), entry.englishDefault)
            << "[" << entry.section << "] " << entry.key;
    }
}

}  // namespace
}  // namespace vitrex::i18n
