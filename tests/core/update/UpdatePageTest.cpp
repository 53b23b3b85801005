#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "core/platform/Errors.h"
#include "core/views/update/UpdatePage.h"
#include "host/OpenSslHashing.h"
#include "testing/FakeClock.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"
#include "testing/FakeHttp.h"
#include "testing/FakeReleaseSignature.h"
#include "testing/FakeShell.h"
#include "testing/FakeTextCollation.h"

namespace vitrex::views::update {
namespace {

constexpr const char* kBase = "https://vitrex.example.org/";
constexpr const char* kInstaller = "C:\\Program Files\\Vitrex\\update.exe";
constexpr const char* kChangeLog = "https://vitrex.example.org/changes.php?build=";

using fakes::FakeReleaseSignature;

std::string InfoReply(const std::string& build, const std::string& downloadUrl,
                      const std::string& digest = {}, const std::string& signature = {}) {
    std::string reply = build + "\r\n0.22 Beta\r\n1. Mai 2006\r\n" + downloadUrl +
                        "\r\nhttps://vitrex.example.org/manual.php?build=\r\n" + kChangeLog + "\r\n";
    if (!digest.empty() || !signature.empty()) reply += digest + "\r\n";
    if (!signature.empty()) reply += signature + "\r\n";
    return reply;
}

struct UpdateTab : ::testing::Test {
    UpdateTab() {
        progress.SetVisible(false);
        cancel.SetVisible(false);
        noConnection.SetVisible(false);
        errorLabel.SetVisible(false);
        page.AttachHandlers();
        http.OnWorkBegin = [this](std::int64_t expected) { page.HTTPWorkBegin(expected); };
        http.OnWork = [this](std::int64_t count) { page.HTTPWork(count); };
    }
    std::string InfoUrl() const { return std::string(kBase) + "update.php?infos=1&language=" + language; }
    // The page loaded with an offer of build 0022 to download from `downloadUrl`.
    void Load(const std::string& downloadUrl, const std::string& digest = {},
              const std::string& signature = {}) {
        http.Respond(InfoUrl(), InfoReply("0022", downloadUrl, digest, signature));
        http.Respond(std::string(kChangeLog) + "0021&language=" + language, "- faster\r\n- smaller");
        page.XPBarVTXItems1Click();
    }
    bool LoadedButtons() const {
        return manual.Visible() && update.Visible() && !progress.Visible() && !cancel.Visible() &&
               !speed.Visible();
    }
    // The failed download's state: the error in red where the progress was, Update back.
    bool ShowsDownloadFailed() const {
        return LoadedButtons() && errorLabel.Visible() &&
               errorLabel.Caption() == "Could'nt download update data!" &&
               !files.File(kInstaller).has_value();
    }
    bool ShowsLoadFailed() const {
        return waitPanel.Visible() && waitPanel.Caption() == "Could'nt download update data!" &&
               waitPanel.Style() == ui::TextStyle::Warning && noConnection.Visible();
    }

    ui::Panel waitPanel{"TAB_U_WaitPanel", nullptr, {}, "Checking for Updates..."};
    ui::Button noConnection{"TAB_U_NoConnection", nullptr, {}};
    ui::Label install{"TAB_U_Install", nullptr, {}};
    ui::Label offered{"TAB_U_New", nullptr, {}};
    ui::Memo infos{"TAB_U_Infos", nullptr, {}};
    ui::ProgressBar progress{"TAB_U_Progress", nullptr, {}};
    ui::Label speed{"TAB_U_SpeedLabel", nullptr, {}};
    ui::Button manual{"TAB_U_ManuellBTN", nullptr, {}};
    ui::Button update{"TAB_U_UpdateBTN", nullptr, {}};
    ui::Button cancel{"TAB_U_AbbrechenBTN", nullptr, {}};
    ui::Label errorLabel{"TAB_U_ErrorLabel", nullptr, {}};
    ui::TrayIcon trayUpdate{"TrayUpdate", nullptr};
    ui::Timer loadTimer{"UpdateLoadTimer", nullptr, 100, false};
    fakes::FakeHttp http;
    fakes::FakeFiles files;
    fakes::FakeShell shell;
    fakes::FakeDialogs dialogs;
    fakes::FakeClock clock;
    fakes::FakeTextCollation locale;
    FakeReleaseSignature releaseKey;
    host::OpenSslHashing hashing;
    net::Client client{http, kBase};
    i18n::Catalogue texts;
    std::string language = "en";
    int quits = 0;
    UpdatePage page{{waitPanel, noConnection, install, offered, infos, progress, speed, manual, update,
                     cancel, errorLabel, trayUpdate, loadTimer},
                    {client, files, shell, dialogs, clock, locale, releaseKey, hashing},
                    texts,
                    language,
                    [this] { ++quits; }};
};

TEST_F(UpdateTab, AnyReplyOfFewerThanSixLinesShowsTheErrorInRedWithTheManualButton) {
    for (const char* reply : {"", "0022\r\n0.22\r\ndate\r\nurl\r\nmanual\r\n", "\r\n"}) {
        http.Respond(InfoUrl(), reply);
        page.XPBarVTXItems1Click();
        EXPECT_TRUE(waitPanel.Visible());
        EXPECT_EQ(waitPanel.Caption(), "Could'nt download update data!");
        EXPECT_EQ(waitPanel.Style(), ui::TextStyle::Warning);
        EXPECT_TRUE(noConnection.Visible());
        EXPECT_EQ(http.requests.size(), 1u) << "no change log is asked for";
        http.requests.clear();
    }
    http.Fail(InfoUrl());
    EXPECT_THROW(page.XPBarVTXItems1Click(), HttpError) << "the failure goes on to the crash log";
    EXPECT_EQ(waitPanel.Caption(), "Could'nt download update data!");
    EXPECT_TRUE(page.DownloadURL().empty());
}

TEST_F(UpdateTab, ALoadShowsTheVersionsAndTheChangeLogAndEnablesUpdateOnlyForAnotherBuild) {
    http.Respond(InfoUrl(), InfoReply("0021", "https://dl/setup.exe"));
    http.Respond(std::string(kChangeLog) + "0021&language=en", "- faster");
    update.SetEnabled(true);
    page.XPBarVTXItems1Click();
    EXPECT_FALSE(waitPanel.Visible());
    EXPECT_EQ(install.Caption(), "0.21 PreBuild");
    EXPECT_EQ(offered.Caption(), "0.22 Beta");
    EXPECT_EQ(infos.Text(), "- faster");
    EXPECT_FALSE(update.Enabled()) << "the same build";
    EXPECT_EQ(page.DownloadURL(), "https://dl/setup.exe");
    EXPECT_EQ(page.ManualUpdateURL(), "https://vitrex.example.org/manual.php?build=");

    // Any other build, an older one too, is offered; German shows the dates.
    language = "de";
    http.Respond(InfoUrl(), InfoReply("0020", "https://dl/setup.exe"));
    http.Respond(std::string(kChangeLog) + "0021&language=de", "- schneller");
    page.XPBarVTXItems1Click();
    EXPECT_TRUE(update.Enabled());
    EXPECT_EQ(install.Caption(), "0.21 PreBuild (26. Oktober 2005)");
    EXPECT_EQ(offered.Caption(), "0.22 Beta (1. Mai 2006)");
    EXPECT_EQ(infos.Text(), "- schneller");
}

TEST_F(UpdateTab, AFailedChangeLogOrAnUnreadableAnswerIsAFailedLoad) {
    http.Respond(InfoUrl(), InfoReply("0022", "https://dl/setup.exe"));
    http.Fail(std::string(kChangeLog) + "0021&language=en");
    EXPECT_THROW(page.XPBarVTXItems1Click(), HttpError);
    EXPECT_TRUE(ShowsLoadFailed()) << "never left waiting with nothing loading";
    EXPECT_FALSE(update.Enabled());
    EXPECT_TRUE(page.DownloadURL().empty());

    // Six lines of an error page are no update information; a change log elsewhere than on the web
    // is not fetched.
    http.Respond(InfoUrl(), "<html>\r\n<head>\r\n<title>500</title>\r\n</head>\r\n<body>\r\n</body>\r\n");
    http.requests.clear();
    EXPECT_THROW(page.XPBarVTXItems1Click(), HttpError);
    EXPECT_TRUE(ShowsLoadFailed());
    http.Respond(InfoUrl(),
                 "0022\r\n0.22\r\ndate\r\nhttps://dl/setup.exe\r\nhttps://m/\r\nfile:///C:/log.txt?\r\n");
    EXPECT_THROW(page.XPBarVTXItems1Click(), HttpError);
    EXPECT_TRUE(ShowsLoadFailed());
    EXPECT_EQ(http.requests.size(), 2u) << "only the two information requests";
}

TEST_F(UpdateTab, EveryLoadStartsCleanSoUpdateOnlyUsesTheInformationOnThePage) {
    Load("https://first.example/setup.exe");
    ASSERT_TRUE(update.Enabled());
    for (const bool garbage : {false, true}) {
        if (garbage) {
            http.Respond(InfoUrl(), "\x01\xff\xfe garbage");
        } else {
            http.AnswerStatus(InfoUrl(), 503);
        }
        try {
            page.XPBarVTXItems1Click();
        } catch (const HttpError&) {
        }
        EXPECT_TRUE(ShowsLoadFailed());
        EXPECT_EQ(offered.Caption(), "");
        EXPECT_EQ(infos.Text(), "");
        EXPECT_FALSE(update.Enabled());
        EXPECT_TRUE(page.DownloadURL().empty());
        EXPECT_TRUE(page.ManualUpdateURL().empty());
        http.requests.clear();
        page.TAB_U_UpdateBTNClick();
        EXPECT_TRUE(http.requests.empty()) << "the earlier server's address is not used";
    }
    // The next good load shows the panel while it loads, and the page once it has.
    http.inside = [&](std::size_t) {
        EXPECT_TRUE(waitPanel.Visible());
        EXPECT_EQ(waitPanel.Caption(), "Checking for Updates...");
        EXPECT_EQ(waitPanel.Style(), ui::TextStyle::Normal);
        EXPECT_FALSE(noConnection.Visible());
    };
    Load("https://second.example/setup.exe");
    EXPECT_FALSE(waitPanel.Visible());
    EXPECT_EQ(page.DownloadURL(), "https://second.example/setup.exe");
}

TEST_F(UpdateTab, APageOpenedWhileAnotherRequestRunsLoadsOnceTheClientIsFree) {
    const std::string check = std::string(kBase) + "update.php?check=1";
    http.Respond(check, "0021");
    http.Respond(InfoUrl(), InfoReply("0022", "https://dl/setup.exe"));
    http.Respond(std::string(kChangeLog) + "0021&language=en", "- faster");
    http.inside = [&](std::size_t) {
        if (http.requests.size() != 1) return;
        page.XPBarVTXItems1Click();  // the user opens the page during the start-up check
        EXPECT_TRUE(waitPanel.Visible());
        EXPECT_EQ(waitPanel.Caption(), "Checking for Updates...");
        EXPECT_TRUE(loadTimer.Enabled());
    };
    page.StartupCheck();
    http.inside = nullptr;
    EXPECT_EQ(http.overlappingCalls, 0);
    EXPECT_EQ(http.requests.size(), 1u);
    loadTimer.Tick();
    EXPECT_FALSE(loadTimer.Enabled());
    EXPECT_FALSE(waitPanel.Visible());
    EXPECT_EQ(offered.Caption(), "0.22 Beta");
    EXPECT_EQ(infos.Text(), "- faster");
}

TEST_F(UpdateTab, ServerTextsAreDecodedByTheCharsetTheyDeclare) {
    const std::string changeLog = std::string(kChangeLog) + "0021&language=en";
    struct Case {
        std::string body;
        std::string contentType;
        std::string shown;
    };
    for (const Case& c : {Case{"Pr\xfc"
                               "fsumme",
                               "text/plain; charset=windows-1252", "Prüfsumme"},
                          Case{"Pr\xfc"
                               "fsumme",
                               "text/plain;charset=\"ISO-8859-1\"", "Prüfsumme"},
                          Case{"Pr\xc3\xbc"
                               "fsumme \xe2\x82\xac",
                               "text/plain; charset=UTF-8", "Prüfsumme €"},
                          Case{"Pr\xc3"
                               "fsumme",
                               "text/plain; charset=utf-8",
                               "Pr\xef\xbf\xbd"
                               "fsumme"},
                          // No charset: the system's code page (Windows-1252 in the fake).
                          Case{"vollst\xe4ndig \x80", "text/plain", "vollständig €"}}) {
        http.RespondTyped(InfoUrl(), InfoReply("0022", "https://dl/setup.exe"), c.contentType);
        http.RespondTyped(changeLog, c.body, c.contentType);
        page.XPBarVTXItems1Click();
        EXPECT_EQ(infos.Text(), c.shown) << c.contentType;
    }
    http.RespondTyped(InfoUrl(),
                      "0022\r\n0.22 \xdc"
                      "berarbeitet\r\n1. M\xe4rz\r\nhttps://d/\r\nhttps://m/\r\nhttps://c/\r\n",
                      "text/plain; charset=windows-1252");
    http.Respond("https://c/0021&language=en", "");
    page.XPBarVTXItems1Click();
    EXPECT_EQ(offered.Caption(), "0.22 Überarbeitet");
}

TEST_F(UpdateTab, OnlyHttpAddressesOfTheServerAreOpenedAndTheLanguageIsEncoded) {
    http.Respond(InfoUrl(),
                 "0022\r\n0.22\r\ndate\r\nhttps://dl/setup.exe\r\nfile:///C:/Windows/System32/calc.exe?\r\n" +
                     std::string(kChangeLog) + "\r\n");
    http.Respond(std::string(kChangeLog) + "0021&language=en", "");
    page.XPBarVTXItems1Click();
    EXPECT_THROW(page.TAB_U_ManuellBTNClick(), HttpError) << "refused, and so logged";
    EXPECT_TRUE(shell.opened.empty());

    language = "x y&z";
    page.TAB_U_NoConnectionClick();
    EXPECT_EQ(shell.opened,
              std::vector<std::string>{
                  "https://vitrex.example.org/page.php?page=update&update=0021&language=x%20y%26z"});
    http.requests.clear();
    try {
        page.XPBarVTXItems1Click();
    } catch (const HttpError&) {
    }
    EXPECT_EQ(http.requests.at(0).url, std::string(kBase) + "update.php?infos=1&language=x%20y%26z");
}

TEST_F(UpdateTab, TheManualPagesOpenInTheBrowserWithBuildAndLanguage) {
    page.TAB_U_NoConnectionClick();
    page.TAB_U_ManuellBTNClick();  // nothing loaded: nothing to open
    Load("https://dl/setup.exe");
    page.TAB_U_ManuellBTNClick();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{
                                "https://vitrex.example.org/page.php?page=update&update=0021&language=en",
                                "https://vitrex.example.org/manual.php?build=0021&language=en"}));
}

TEST_F(UpdateTab, ASignedInstallerIsWrittenBesideTheProgramStartedWhileHeldAndTheProgramEnds) {
    const std::string body("MZ\x90\x00rest", 8);
    Load("https://dl/setup.exe", "", FakeReleaseSignature::SignatureLine(body));
    http.RespondInPieces("https://dl/setup.exe", {"MZ", std::string("\x90\x00", 2), "rest"});
    http.inside = [&](std::size_t) {
        EXPECT_TRUE(progress.Visible());
        EXPECT_TRUE(cancel.Visible());
        EXPECT_FALSE(update.Visible());
        EXPECT_FALSE(manual.Visible());
    };
    shell.onOpen = [&](const std::string&) {
        EXPECT_EQ(files.File(kInstaller), body) << "whole and closed";
        EXPECT_EQ(quits, 0);
        // Held from the check to the start: nobody can put another file in its place.
        EXPECT_TRUE(files.IsHeld(kInstaller));
        EXPECT_THROW(files.WriteWholeFile(kInstaller, "another program"), FileError);
        EXPECT_FALSE(files.RemoveFile(kInstaller));
    };
    page.TAB_U_UpdateBTNClick();
    EXPECT_EQ(shell.opened, std::vector<std::string>{kInstaller});
    EXPECT_EQ(releaseKey.checks, 1);
    EXPECT_FALSE(files.IsHeld(kInstaller)) << "let go once the installer runs";
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(progress.Max(), 8);
    EXPECT_EQ(progress.Position(), 8);
}

// A server (or, over plain HTTP, anyone on the way) can send any file with its right digest; only
// the release key's signature lets it run, whatever the scheme.
TEST_F(UpdateTab, OnlyAnInstallerTheReleaseKeySignedIsStarted) {
    const std::string body = "installer bytes";
    const std::string digest = FakeReleaseSignature::DigestLine(body);
    std::string upperDigest = digest;
    std::transform(digest.begin(), digest.end(), upperDigest.begin(), [](char c) { return std::toupper(c); });
    const std::string signature = FakeReleaseSignature::SignatureLine(body);
    std::string upperSignature = signature;
    std::transform(signature.begin(), signature.end(), upperSignature.begin(),
                   [](char c) { return std::toupper(c); });
    struct Case {
        std::string url;
        std::string digest;
        std::string signature;
        bool started;
    };
    for (const Case& c : {
             Case{"http://dl/setup.exe", digest, signature, true},
             Case{"https://dl/setup.exe", "", signature, true},
             Case{"download.php?build=0022", upperDigest, upperSignature, true},
             // Unsigned: a correct digest, over HTTPS too, is not enough.
             Case{"https://dl/setup.exe", digest, "", false},
             Case{"http://dl/setup.exe", "", "", false},
             // Signed by another key, or the signature of another file.
             Case{"https://dl/setup.exe", digest, FakeReleaseSignature::SignatureLine(body, 0x11), false},
             Case{"https://dl/setup.exe", "", FakeReleaseSignature::SignatureLine("other bytes"), false},
             // A digest line that does not match, beside a good signature.
             Case{"https://dl/setup.exe", std::string(64, '0'), signature, false},
             // Whatever is no signature: cut short, with bytes after it, no hex.
             Case{"https://dl/setup.exe", digest, signature.substr(0, signature.size() - 2), false},
             Case{"https://dl/setup.exe", digest, signature + "00", false},
             Case{"https://dl/setup.exe", digest, "not a signature", false},
         }) {
        shell.opened.clear();
        dialogs.shown.clear();
        quits = 0;
        Load(c.url, c.digest, c.signature);
        http.Respond(client.Url(c.url), body);
        page.TAB_U_UpdateBTNClick();
        SCOPED_TRACE(c.url + " " + c.digest + " " + c.signature);
        EXPECT_EQ(quits, c.started ? 1 : 0);
        EXPECT_EQ(shell.opened.size(), c.started ? 1u : 0u);
        if (c.started) continue;
        EXPECT_FALSE(files.File(kInstaller).has_value()) << "a refused installer is not kept";
        EXPECT_TRUE(LoadedButtons());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, "question");
        EXPECT_EQ(dialogs.shown[0].text,
                  "The downloaded update could not be verified, so it was not started. Open the manual "
                  "update page?");
    }
    // Yes opens the manual-update page instead.
    dialogs.yesNoAnswers.push_back(true);
    Load("http://dl/setup.exe", digest);
    http.Respond("http://dl/setup.exe", body);
    page.TAB_U_UpdateBTNClick();
    EXPECT_EQ(shell.opened,
              std::vector<std::string>{"https://vitrex.example.org/manual.php?build=0021&language=en"});
}

// The file is checked as it lies on disk when it is started, not as it came over the wire.
TEST_F(UpdateTab, AFileReplacedAfterTheDownloadIsRefused) {
    const std::string body = "installer bytes";
    Load("https://dl/setup.exe", FakeReleaseSignature::DigestLine(body),
         FakeReleaseSignature::SignatureLine(body));
    http.RespondInPieces("https://dl/setup.exe", {body, ""});
    http.inside = [&](std::size_t piece) {
        if (piece == 1) files.Seed(kInstaller, "another program");
    };
    page.TAB_U_UpdateBTNClick();
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(files.File(kInstaller).has_value());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "question");
}

TEST_F(UpdateTab, CancelEndsTheDownloadQuietlyRestoresTheButtonsAndDropsThePartlyWrittenFile) {
    Load("https://dl/setup.exe");
    http.RespondInPieces("https://dl/setup.exe", {"part one", "part two", "part three"});
    http.inside = [&](std::size_t piece) {
        if (piece != 2) return;
        EXPECT_EQ(files.File(kInstaller), "part onepart two");
        page.TAB_U_AbbrechenBTNClick();
    };
    EXPECT_THROW(page.TAB_U_UpdateBTNClick(), SilentAbort) << "a cancel is no failure for the log";
    EXPECT_TRUE(LoadedButtons());
    EXPECT_FALSE(files.File(kInstaller).has_value());
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(quits, 0);
}

TEST_F(UpdateTab, AFailedDownloadSaysSoAtOnceAndAFolderWithoutWriteAccessChangesNothing) {
    Load("https://dl/setup.exe");
    // Cut half-way, an error status, or an address that is no web address at all.
    http.replies["https://dl/setup.exe"] = {{"half"}, "Connection reset", {}, 1, {}, {}};
    EXPECT_THROW(page.TAB_U_UpdateBTNClick(), HttpError);
    EXPECT_TRUE(ShowsDownloadFailed());
    http.AnswerStatus("https://dl/setup.exe", 500);
    EXPECT_THROW(page.TAB_U_UpdateBTNClick(), HttpError);
    EXPECT_TRUE(ShowsDownloadFailed());
    EXPECT_TRUE(update.Enabled()) << "the user may try again";
    for (const char* address : {"file:///C:/Windows/System32/calc.exe", "\\\\host\\share\\u.exe", "C:\\u.exe",
                                "ftp://dl/setup.exe", "javascript:alert(1)"}) {
        Load(address);
        http.requests.clear();
        EXPECT_THROW(page.TAB_U_UpdateBTNClick(), HttpError) << address;
        EXPECT_TRUE(ShowsDownloadFailed()) << address;
        EXPECT_TRUE(http.requests.empty()) << address;
    }
    EXPECT_TRUE(shell.opened.empty());

    // The file cannot be created: nothing changes, nothing is asked for.
    Load("https://dl/setup.exe", "", FakeReleaseSignature::SignatureLine("whole"));
    errorLabel.SetVisible(false);
    files.DenyWritesUnder("C:\\Program Files\\Vitrex");
    http.requests.clear();
    EXPECT_THROW(page.TAB_U_UpdateBTNClick(), FileError);
    EXPECT_TRUE(LoadedButtons());
    EXPECT_TRUE(http.requests.empty());
    EXPECT_FALSE(errorLabel.Visible());

    // A new download takes the message away.
    files.AllowWrites();
    http.Fail("https://dl/setup.exe");
    EXPECT_THROW(page.TAB_U_UpdateBTNClick(), HttpError);
    ASSERT_TRUE(errorLabel.Visible());
    http.Respond("https://dl/setup.exe", "whole");
    http.inside = [&](std::size_t) { EXPECT_FALSE(errorLabel.Visible()); };
    page.TAB_U_UpdateBTNClick();
    http.inside = nullptr;
    EXPECT_EQ(quits, 1);
}

TEST_F(UpdateTab, TheSpeedIsMeasuredOverEachSecondInTheUsersDecimalFormat) {
    locale.decimalSeparator = ",";
    Load("https://dl/setup.exe");
    // 2,500,000 bytes in 250 pieces, one every 8 ms: two seconds.
    http.RespondInPieces("https://dl/setup.exe", std::vector<std::string>(250, std::string(10'000, 'x')));
    std::vector<std::string> shown;
    http.inside = [&](std::size_t) {
        clock.Advance(8);
        if (speed.Visible() && (shown.empty() || shown.back() != speed.Caption()))
            shown.push_back(speed.Caption());
    };
    speed.SetVisible(false);
    page.TAB_U_UpdateBTNClick();
    EXPECT_EQ(shown, std::vector<std::string>{"1250,00 KB/s"}) << "first shown after a second";
    EXPECT_EQ(speed.Caption(), "1250,00 KB/s");
    EXPECT_EQ(progress.Max(), 2'500'000);
}

TEST_F(UpdateTab, TheSpeedSurvivesTheTickCountsWrap) {
    clock.SetTickCount(0xFFFFFFFFu - 499);
    Load("https://dl/setup.exe", "", FakeReleaseSignature::SignatureLine(std::string(1200, 'x')));
    http.RespondInPieces("https://dl/setup.exe", {std::string(600, 'x'), std::string(600, 'x')});
    http.inside = [&](std::size_t) { clock.Advance(600); };
    speed.SetVisible(false);
    page.TAB_U_UpdateBTNClick();
    EXPECT_TRUE(speed.Visible());
    EXPECT_EQ(speed.Caption(), "1.00 KB/s") << "1200 bytes in 1200 ms across the wrap";
}

TEST_F(UpdateTab, TheStartupCheckAnnouncesAnyOtherBuildComparingTheWholeBody) {
    const std::string url = std::string(kBase) + "update.php?check=1";
    for (const char* reply : {"0021", ""}) {
        http.Respond(url, reply);
        page.StartupCheck();
        EXPECT_FALSE(trayUpdate.IconVisible()) << reply;
    }
    http.Fail(url);
    EXPECT_THROW(page.StartupCheck(), HttpError);
    EXPECT_FALSE(trayUpdate.IconVisible());
    // What is no build number is a failed check, not an update.
    for (const std::string& reply :
         {std::string("<html><body>Welcome</body></html>"), std::string("0021x"), std::string("0022\r\n\r\n"),
          std::string(" 0022"), std::string("\x93\x00\xfe", 3)}) {
        http.Respond(url, reply);
        EXPECT_THROW(page.StartupCheck(), HttpError) << reply;
        EXPECT_FALSE(trayUpdate.IconVisible()) << reply;
    }

    http.Respond(url, "0021\r\n");
    page.StartupCheck();
    EXPECT_TRUE(trayUpdate.IconVisible());
    EXPECT_EQ(trayUpdate.LastBalloon().title, "Vitrex - Update");
    EXPECT_EQ(trayUpdate.LastBalloon().text, "A Update is available. Click here to download it.");
    EXPECT_EQ(trayUpdate.LastBalloon().timeoutSeconds, 60);
    EXPECT_EQ(trayUpdate.LastBalloon().icon, ui::BalloonIcon::Info);
    page.TrayUpdateBalloonHintHide();
    EXPECT_FALSE(trayUpdate.IconVisible());
}

}  // namespace
}  // namespace vitrex::views::update
