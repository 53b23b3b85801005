#include <gtest/gtest.h>

#include <algorithm>

#include "../app/EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/net/ProjectLinks.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using Targets = std::vector<std::string>;

struct WebInTheForm : ::testing::Test {
    WebInTheForm() {
        testing::SeedEarlierRun(platform.registry);
        platform.files.Seed("C:\\Program Files\\Vitrex\\languages\\de.ini",
                            "[Compatible]\r\n0021=1\r\n[Info]\r\nlanguage=Deutsch\r\n");
    }
    fakes::FakePlatform platform;
};

TEST_F(WebInTheForm, TheHomepageItemAndTheLanguagesEntryShowTheProjectsPagesInTheWebTab) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.XPBarVTX.Item(3).UserClick();
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageHomepage);
    EXPECT_EQ(form.WebBrowser.RequestedUrl(), "https://vitrex.example.org/page.php?intern=1&language=en");
    EXPECT_TRUE(form.WebBrowserWait.Enabled());

    form.XPBarConfig.Item(0).UserClick();
    const int more = static_cast<int>(form.GB_Language_CB.Items().size()) - 1;
    form.GB_Language_CB.UserSelect(more);
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageHomepage);
    EXPECT_EQ(form.WebBrowser.RequestedUrl(),
              "https://vitrex.example.org/page.php?intern=1&language=en&page=languages");
    EXPECT_EQ(form.GB_Language_CB.Text(), "English") << "the language stays as it was";
}

TEST_F(WebInTheForm, TheServerNamedByTheEnvironmentIsTheOneTheLinksAndPagesUse) {
    platform.system.environment["VITREX_SERVER_URL"] = "http://127.0.0.1:8021";
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(form.TINFO_LabelHomepage.Caption(), "http://127.0.0.1:8021/");
    EXPECT_EQ(form.TINFO_LabelEmail.Caption(), net::kContactMailbox);
    form.TINFO_LabelHomepage.UserClick();
    form.Image1.UserClick();
    form.WelcomePayPal.UserClick();
    form.TINFO_LabelEmail.UserClick();
    form.TINFO_LabelTranslator.UserClick();
    EXPECT_EQ(platform.shell.opened,
              (Targets{"http://127.0.0.1:8021/", "http://127.0.0.1:8021/page.php?paypal=1&language=en",
                       "http://127.0.0.1:8021/page.php?paypal=1&language=en",
                       std::string("mailto:") + net::kContactMailbox, "mailto:"}));
    form.XPBarVTX.Item(3).UserClick();
    EXPECT_EQ(form.WebBrowser.RequestedUrl(), "http://127.0.0.1:8021/page.php?intern=1&language=en");
}

TEST_F(WebInTheForm, AnErrorPageThatCannotBeWrittenBecomesACrashLogEntryOfTheWebBrowser) {
    platform.system.environment["temp"] = "C:\\Locked";
    platform.files.DenyWritesUnder("C:\\Locked");
    MainForm form(platform.NewRun());
    form.FormCreate();
    const std::size_t before = form.Log().Lines().size();
    form.WebBrowser.UserDocumentComplete("Navigation Canceled");
    ASSERT_EQ(form.Log().Lines().size(), before + 4);
    EXPECT_EQ(form.Log().Lines()[before + 2], "Sender: WebBrowser [TWebBrowser]");
}

TEST_F(WebInTheForm, TheNativeMessageSpeaksTheCurrentLanguage) {
    platform.files.Seed("C:\\Program Files\\Vitrex\\languages\\de.ini",
                        "[Compatible]\r\n0021=1\r\n[Info]\r\nlanguage=Deutsch\r\n[Other]\r\n"
                        "SiteNotFound1=Seite fehlt!\r\n[Vitrex]\r\nOpenInBrowser=Im Browser\r\n");
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.LoadLanguage("de");
    form.XPBarVTX.Item(3).UserClick();
    form.WebBrowserWait.Tick();
    EXPECT_EQ(form.WebBrowserMessageText.Caption(), "Seite fehlt!\nPlease check your internet connection.");
    EXPECT_EQ(form.WebBrowserMessageLink.Caption(), "Im Browser");
    EXPECT_TRUE(form.WebBrowserMessage.Visible());
    EXPECT_FALSE(form.WebBrowser.Visible());

    // A language change while the message is on display reaches it at once.
    const auto& items = form.GB_Language_CB.Items();
    form.GB_Language_CB.UserSelect(
        static_cast<int>(std::find(items.begin(), items.end(), "English") - items.begin()));
    ASSERT_EQ(form.LanguageFileBase(), "en");
    EXPECT_EQ(form.WebBrowserMessageText.Caption(),
              "Couldn't download site!\nPlease check your internet connection.");
    EXPECT_EQ(form.WebBrowserMessageLink.Caption(), "Open the page in your web browser");
    EXPECT_TRUE(form.WebBrowserMessage.Visible());
}

}  // namespace
}  // namespace vitrex::app
