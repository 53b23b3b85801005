#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/MainForm.h"
#include "core/i18n/CatalogueKeys.h"
#include "testing/FakePlatform.h"

namespace vitrex::i18n {
namespace {

// The key a menu item is chosen with: the character after a single "&" ("&&" is an ampersand),
// ASCII letters in lower case, a character of several UTF-8 bytes whole.
std::optional<std::string> Accelerator(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        std::size_t length = 1;
        while (i + 1 + length < caption.size() &&
               (static_cast<unsigned char>(caption[i + 1 + length]) & 0xC0) == 0x80)
            ++length;
        std::string key = caption.substr(i + 1, length);
        if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') key[0] = static_cast<char>(key[0] - 'A' + 'a');
        return key;
    }
    return std::nullopt;
}

// Every item list of the menu (its top level and each submenu): no key chooses two items.
void ExpectUniqueKeys(const std::vector<std::unique_ptr<ui::MenuItem>>& items, const std::string& where) {
    std::map<std::string, std::string> taken;
    for (const auto& item : items) {
        if (const std::optional<std::string> key = Accelerator(item->Caption())) {
            const auto [earlier, fresh] = taken.emplace(*key, item->Caption());
            EXPECT_TRUE(fresh) << where << ": \"" << earlier->second << "\" and \"" << item->Caption()
                               << "\" share the key " << *key;
        }
        if (!item->Items().empty()) ExpectUniqueKeys(item->Items(), where + " > " + item->Caption());
    }
}

TEST(MenuAccelerators, TheParsingFollowsTheMenusRules) {
    EXPECT_EQ(Accelerator("Fenster &umbenennen"), "u");
    EXPECT_EQ(Accelerator("&Reload List"), "r");
    EXPECT_EQ(Accelerator("Save && &Quit"), "q");
    EXPECT_EQ(Accelerator("\xC3\x9C"
                          "ber &\xC3\x9C"
                          "bersicht"),
              "\xC3\x9C");
    EXPECT_EQ(Accelerator("15%"), std::nullopt);
}

// Both shipped language files: within every menu of the main window, in the captions each file
// gives, a key chooses at most one item.
TEST(MenuAccelerators, EachKeyIsUniqueWithinEveryMenuInBothShippedLanguages) {
    for (const char* code : {"en", "de"}) {
        fakes::FakePlatform platform;
        std::ifstream in(std::string(VITREX_LANGUAGES_DIR) + "/" + code + ".ini", std::ios::binary);
        ASSERT_TRUE(in.good()) << code;
        platform.files.Seed(std::string("C:\\Program Files\\Vitrex\\languages\\") + code + ".ini",
                            std::string(std::istreambuf_iterator<char>(in), {}));
        app::MainForm form(platform.NewRun());
        form.LoadLanguage(code);
        // The program's name is put on this one when the menu opens.
        form.PMenu_AW_ListItems.PMRemember.SetCaption(form.Texts().Text(kOwnSection, "RememberFor") +
                                                      " notepad.exe");
        ASSERT_GE(form.Components().popupMenus.Items().size(), 2u);
        for (const ui::PopupMenu* menu : form.Components().popupMenus.Items())
            ExpectUniqueKeys(menu->Items(), std::string(code) + " " + menu->Name());
    }
}

}  // namespace
}  // namespace vitrex::i18n
