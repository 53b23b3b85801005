#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/crashlog/CrashDispatcher.h"
#include "core/app/crashlog/CrashLog.h"
#include "core/views/web/ErrorPages.h"
#include "core/views/web/WebPage.h"
#include "testing/FakeClock.h"
#include "testing/FakeFiles.h"
#include "testing/FakePlatform.h"
#include "testing/FakeShell.h"
#include "testing/TestCatalogue.h"

namespace vitrex::views::web {
namespace {

constexpr const char* kServer = "http://127.0.0.1:8021/";
constexpr const char* kTemp = "C:\\Temp";

// The two files exactly as they must be, written out here rather than built from the code's parts.
const std::string kFrameset =
    "<!-- saved from url=(0014)about:internet --><html><head><title>Vitrex "
    "WebBrowser</title></head><frameset cols=\"*\"><frame src=\"vtxerror2.html\" "
    "name=\"page\" scrolling=\"no\"></frameset></html>\r\n";
std::string Message(const std::string& lines) {
    return "<!-- saved from url=(0014)about:internet --><html><head><title>Vitrex WebBrowser</title><style> "
           "html, body, td {  background: Menu;  color: "
           "ButtonText;  font: 12px sans-serif,Tahoma,Verdana;  margin: 0px;  padding: 0px; }</style></head>"
           "<body><table border=\"0\" cellspacing=\"5\" cellpadding=\"0\" width=\"100%\" height=\"100%\"><tr>"
           "<td valign=\"middle\" align=\"center\">" +
           lines + "</td></tr></table></body></html>\r\n";
}

struct WebTab : ::testing::Test {
    WebTab() {
        system.environment["temp"] = kTemp;
        browser.SetDispatcher(&dispatcher);
        link.SetDispatcher(&dispatcher);
        page.AttachHandlers();
    }
    std::optional<std::string> File(const char* name) const {
        return files.File(std::string(kTemp) + "\\" + name);
    }

    fakes::FakeClock clock;
    crashlog::CrashLog log{clock};
    crashlog::CrashDispatcher dispatcher{log};
    ui::WebBrowser browser{"WebBrowser", nullptr, {}};
    ui::Panel message{"WebBrowserMessage", nullptr, {}};
    ui::Label text{"WebBrowserMessageText", &message, {}};
    ui::Label link{"WebBrowserMessageLink", &message, {}};
    ui::Timer wait{"WebBrowserWait", nullptr, 1, false};
    fakes::FakeFiles files;
    fakes::FakeOperatingSystem system;
    fakes::FakeShell shell;
    i18n::Catalogue texts;
    WebPage page{{browser, message, text, link, wait}, files, system, shell, kServer, texts};
};

TEST_F(WebTab, AProjectPageIsLeftAloneAndAnyOtherTitleIsReplacedByTheErrorPage) {
    page.ShowProjectPage("page.php?intern=1&language=en");
    EXPECT_EQ(browser.RequestedUrl(), "http://127.0.0.1:8021/page.php?intern=1&language=en");
    EXPECT_TRUE(wait.Enabled());

    browser.UserDocumentComplete(kProjectPageTitle);
    EXPECT_EQ(browser.NavigationCount(), 1);
    EXPECT_EQ(files.WriteCount(), 0);
    EXPECT_FALSE(wait.Enabled());

    for (const char* title : {"vitrex webbrowser", "Vitrex WebBrowser ", "", "Navigation Canceled"}) {
        const int before = browser.NavigationCount();
        browser.UserDocumentComplete(title);
        EXPECT_EQ(browser.NavigationCount(), before + 1) << title;
        EXPECT_EQ(browser.RequestedUrl(), "C:\\Temp\\vtxerror1.html") << title;
    }
    EXPECT_EQ(File(kFramesetFile), kFrameset);
    EXPECT_EQ(File(kMessageFile),
              Message("Couldn't download site!<br>Please check your internet connection."));
    // The error page's own completion carries the project's title, so it stops there.
    const int before = browser.NavigationCount();
    browser.UserDocumentComplete(kProjectPageTitle);
    EXPECT_EQ(browser.NavigationCount(), before);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(WebTab, TheMessageComesFromTheCurrentLanguageWithOnlyItsHarmlessMarkup) {
    const i18n::Catalogue german = fakes::CatalogueFrom(
        "[Other]\r\nSiteNotFound1=Die Seite konnte nicht geladen werden!\r\n"
        "SiteNotFound2=Bitte prüfen Sie Ihre <B>Internetverbindung</b> & mehr.\r\n");
    texts = german;
    browser.UserDocumentComplete("Die Seite kann nicht angezeigt werden");
    // ANSI on disk: "ü" is one byte of Windows-1252.
    EXPECT_EQ(File(kMessageFile), Message("Die Seite konnte nicht geladen werden!<br>Bitte pr\xFC"
                                          "fen Sie Ihre <b>Internetverbindung</b> &amp; mehr."));

    // A hostile language file: its script, attributes and other tags are written as text.
    texts = fakes::CatalogueFrom(
        "[Other]\r\nSiteNotFound1=<script>new ActiveXObject('x')</script>&lt;ok&gt;\r\n"
        "SiteNotFound2=<i>a</I><br/><img src=x onerror=\"alert(1)\"><b onclick=x>&#252;&#xFC;&bogus\r\n");
    browser.UserDocumentComplete("Other");
    EXPECT_EQ(File(kMessageFile),
              Message("&lt;script&gt;new ActiveXObject('x')&lt;/script&gt;&lt;ok&gt;<br><i>a</i><br>&lt;img "
                      "src=x onerror=&quot;alert(1)&quot;&gt;&lt;b onclick=x&gt;&#252;&#xFC;&amp;bogus"));
    texts = german;

    // A language change reaches the page only when it is written again.
    const std::string written = *File(kMessageFile);
    texts = i18n::Catalogue::English();
    EXPECT_EQ(File(kMessageFile), written);
    browser.UserDocumentComplete("Other");
    EXPECT_EQ(File(kMessageFile),
              Message("Couldn't download site!<br>Please check your internet connection."));
}

TEST_F(WebTab, WithoutTheTempVariableThePagesGoToTheUsersTemporaryFolder) {
    for (bool empty : {false, true}) {
        system.environment.erase("temp");
        if (empty) system.environment["temp"] = "";
        files.SetTemporaryFolder(empty ? "D:\\Tmp" : "C:\\Users\\Ann\\AppData\\Local\\Temp");
        browser.UserDocumentComplete("Error");
        const std::string folder = files.TemporaryFolder();
        EXPECT_EQ(browser.RequestedUrl(), folder + "\\vtxerror1.html");
        EXPECT_EQ(files.File(folder + "\\vtxerror1.html"), kFrameset);
        EXPECT_TRUE(files.File(folder + "\\vtxerror2.html").has_value());
    }
}

TEST_F(WebTab, AFramesetThatCannotBeWrittenIsLoggedAndNothingIsLoaded) {
    files.DenyWritesUnder(kTemp);
    page.ShowProjectPage("page.php");
    browser.UserDocumentComplete("Error");
    EXPECT_EQ(browser.NavigationCount(), 1);
    EXPECT_FALSE(File(kMessageFile).has_value());
    ASSERT_EQ(log.Lines().size(), 4u);
    EXPECT_NE(log.Lines()[0].find("vtxerror1.html"), std::string::npos) << log.Lines()[0];
    EXPECT_EQ(log.Lines()[1], "Typ: FileError");
    EXPECT_EQ(log.Lines()[2], "Sender: WebBrowser [TWebBrowser]");
}

TEST_F(WebTab, AMessageThatCannotBeWrittenIsLoggedButTheFramesetStillLoads) {
    files.DenyWritesUnder(std::string(kTemp) + "\\vtxerror2");
    browser.UserDocumentComplete("Error");
    EXPECT_EQ(browser.RequestedUrl(), "C:\\Temp\\vtxerror1.html");
    EXPECT_EQ(File(kFramesetFile), kFrameset);
    ASSERT_EQ(log.Lines().size(), 4u);
    EXPECT_NE(log.Lines()[0].find("vtxerror2.html"), std::string::npos) << log.Lines()[0];
}

TEST_F(WebTab, WhenNoDocumentFinishesTheMessageAndALinkToThePageTakeTheBrowsersPlace) {
    EXPECT_FALSE(message.Visible());
    page.ShowProjectPage("page.php?intern=1&language=de");
    wait.Tick();
    EXPECT_FALSE(wait.Enabled()) << "the message shows once, not at every tick";
    EXPECT_TRUE(message.Visible());
    EXPECT_FALSE(browser.Visible());
    EXPECT_EQ(text.Caption(), "Couldn't download site!\nPlease check your internet connection.");
    EXPECT_EQ(link.Style(), ui::TextStyle::Link);
    EXPECT_TRUE(link.TabStop());

    link.UserClick();
    EXPECT_EQ(shell.opened, std::vector<std::string>{"http://127.0.0.1:8021/page.php?intern=1&language=de"});

    // A page that finishes late brings the browser back.
    browser.UserDocumentComplete(kProjectPageTitle);
    EXPECT_TRUE(browser.Visible());
    EXPECT_FALSE(message.Visible());
}

TEST_F(WebTab, TheLinkOpensThePageAskedForNotTheLocalErrorPage) {
    page.ShowProjectPage("page.php?intern=1&language=en&page=languages");
    browser.UserDocumentComplete("Error");
    wait.Tick();
    link.UserClick();
    EXPECT_EQ(shell.opened.back(), "http://127.0.0.1:8021/page.php?intern=1&language=en&page=languages");

    shell.refuse = true;
    link.UserClick();
    ASSERT_EQ(log.Lines().size(), 4u);
    EXPECT_EQ(log.Lines()[1], "Typ: SystemError");
}

// The tab goes only to the project's pages and the local error pages; a link anywhere else opens
// in the user's browser (web addresses only) and the tab stays where it is.
TEST_F(WebTab, TheTabShowsOnlyTheProjectsPagesAndTheLocalErrorPages) {
    for (const char* allowed :
         {"http://127.0.0.1:8021/page.php?intern=1&language=en", "HTTP://127.0.0.1:8021/other.php#top",
          "C:\\Temp\\vtxerror1.html", "file:///C:/Temp/vtxerror2.html", "file:///c:/temp/VTXERROR1.html",
          "about:blank"})
        EXPECT_TRUE(browser.UserBeforeNavigate(allowed)) << allowed;
    EXPECT_TRUE(shell.opened.empty());
    for (const char* refused :
         {"http://127.0.0.1:8022/page.php", "https://127.0.0.1:8021/", "http://127.0.0.1:8021.evil/",
          "https://look-alike.example/login", "file:///C:/Windows/win.ini", "file:///C:/Temp/other.html",
          "javascript:alert(1)", "ms-settings:", "mailto:x@y"})
        EXPECT_FALSE(browser.UserBeforeNavigate(refused)) << refused;
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{"http://127.0.0.1:8022/page.php", "https://127.0.0.1:8021/",
                                        "http://127.0.0.1:8021.evil/", "https://look-alike.example/login"}))
        << "only web addresses go to the browser";

    shell.opened.clear();
    browser.UserNewWindow("https://elsewhere.example/");
    browser.UserNewWindow("file:///C:/Windows/System32/calc.exe");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"https://elsewhere.example/"});

    // A policy that fails refuses.
    browser.OnBeforeNavigate = [](const std::string&) -> bool { throw std::runtime_error("broken"); };
    EXPECT_FALSE(browser.UserBeforeNavigate("http://127.0.0.1:8021/page.php"));
}

TEST(ErrorPageText, MarkupBecomesPlainTextForTheNativeMessage) {
    EXPECT_EQ(MessageAsText("Bitte <b>pr&uuml;fen</b><br>Sie<BR/>das &amp; &lt;mehr&gt;"),
              "Bitte pr&uuml;fen\nSie\ndas & <mehr>");
    EXPECT_EQ(MessageAsText("a < b"), "a < b");
    EXPECT_EQ(MessageAsText(""), "");
}

}  // namespace
}  // namespace vitrex::views::web
