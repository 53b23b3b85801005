#include <gtest/gtest.h>

#include "core/net/ProjectLinks.h"
#include "core/views/web/OutsideLinks.h"
#include "core/views/web/PageAddress.h"
#include "testing/FakeShell.h"
#include "testing/TestCatalogue.h"

namespace vitrex::views::web {
namespace {

using Targets = std::vector<std::string>;

struct AboutLinks : ::testing::Test {
    AboutLinks() { links.AttachHandlers(); }
    ui::Label homepage{"TINFO_LabelHomepage", nullptr, {}};
    ui::Label email{"TINFO_LabelEmail", nullptr, {}};
    ui::Label translator{"TINFO_LabelTranslator", nullptr, {}};
    ui::Image image1{"Image1", nullptr, {}};
    ui::Image welcomePayPal{"WelcomePayPal", nullptr, {}};
    fakes::FakeShell shell;
    std::string languageFileBase = "de";
    i18n::Catalogue texts;
    OutsideLinks links{{homepage, email, translator, image1, welcomePayPal},
                       shell,
                       "https://vitrex.example.org/",
                       languageFileBase,
                       texts};
};

TEST_F(AboutLinks, EachLinkOpensItsExactTarget) {
    texts = fakes::CatalogueFrom("[Info]\r\nwriter=Anna\r\nemail=anna@example.net\r\n");
    homepage.UserClick();
    email.UserClick();
    translator.UserClick();
    image1.UserClick();
    languageFileBase = "en";
    welcomePayPal.UserClick();
    EXPECT_EQ(shell.opened,
              (Targets{"https://vitrex.example.org/", std::string("mailto:") + net::kContactMailbox,
                       "mailto:anna@example.net", "https://vitrex.example.org/page.php?paypal=1&language=de",
                       "https://vitrex.example.org/page.php?paypal=1&language=en"}));
}

TEST_F(AboutLinks, ATranslatorWithoutAddressGetsAnEmptyMail) {
    texts = fakes::CatalogueFrom("[Info]\r\nwriter=Anna\r\n");
    translator.UserClick();
    EXPECT_EQ(shell.opened, Targets{"mailto:"});
}

TEST_F(AboutLinks, TheLabelsShowWhatTheyOpenAndAreLinksTheKeyboardReaches) {
    EXPECT_EQ(homepage.Caption(), "https://vitrex.example.org/");
    EXPECT_EQ(email.Caption(), net::kContactMailbox);
    for (const ui::Label* label : {&homepage, &email, &translator}) {
        EXPECT_EQ(label->Style(), ui::TextStyle::Link) << label->Name();
        EXPECT_TRUE(label->TabStop()) << label->Name();
    }
}

TEST(PageAddress, TheLanguageCodeCannotAddToTheQuery) {
    EXPECT_EQ(ProjectPage("en"), "page.php?intern=1&language=en");
    EXPECT_EQ(LanguagesPage("de"), "page.php?intern=1&language=de&page=languages");
    EXPECT_EQ(DonationPage("pt_BR-x.1"), "page.php?paypal=1&language=pt_BR-x.1");
    EXPECT_EQ(ProjectPage("a&page=x y"), "page.php?intern=1&language=a%26page%3Dx%20y");
    EXPECT_EQ(DonationPage("fran\xC3\xA7"), "page.php?paypal=1&language=fran%C3%A7");
}

}  // namespace
}  // namespace vitrex::views::web
