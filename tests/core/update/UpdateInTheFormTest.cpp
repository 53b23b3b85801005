#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../app/EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/imaging/Resources.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";
constexpr const char* kCheckUrl = "https://vitrex.example.org/update.php?check=1";
constexpr const char* kDownloadUrl = "https://dl.example.org/setup.exe";

bool LogHas(const MainForm& form, const std::string& text) {
    const auto& lines = const_cast<MainForm&>(form).Log().Lines();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

struct UpdateInTheForm : ::testing::Test {
    UpdateInTheForm() { testing::SeedEarlierRun(platform.registry); }
    // The update page loaded with an offer to download.
    void LoadOffer(MainForm& form) {
        const std::string language = "&language=" + form.LanguageFileBase();
        platform.http.Respond(
            "https://vitrex.example.org/update.php?infos=1" + language,
            std::string("0022\n0.22\ndate\n") + kDownloadUrl +
                "\nhttps://vitrex.example.org/manual.php?b=\nhttps://vitrex.example.org/log.php?b=\n\n" +
                fakes::FakeReleaseSignature::SignatureLine("MZ....") + "\n");
        platform.http.Respond("https://vitrex.example.org/log.php?b=0021" + language, "- news");
        form.XPBarVTX.Item(1).UserClick();
        ASSERT_FALSE(form.TAB_U_WaitPanel.Visible());
        platform.http.RespondInPieces(kDownloadUrl, {"MZ", "..", ".."});
    }
    fakes::FakePlatform platform;
};

TEST_F(UpdateInTheForm, TheLastStartupStepChecksOnlyWhenTheOptionIsOnAndAnnouncesAnotherBuild) {
    platform.http.Respond(kCheckUrl, "0022");
    {
        MainForm form(platform.NewRun());
        form.FormCreate();
        EXPECT_TRUE(form.GB_Start_CUpdate.Checked());
        EXPECT_TRUE(form.TrayUpdate.IconVisible());
        EXPECT_EQ(form.TrayUpdate.LastBalloon().title, "Vitrex - Update");

        // Its click shows the window on the loaded update page; the notice goes.
        form.TrayUpdate.UserBalloonClick();
        EXPECT_TRUE(form.Visible());
        EXPECT_EQ(form.Pages.ActivePageIndex(), kPageUpdate);
        EXPECT_FALSE(form.TrayUpdate.IconVisible());
        EXPECT_EQ(platform.http.requests.back().url,
                  "https://vitrex.example.org/update.php?infos=1&language=en");
    }
    // The notice has a hint and a picture of its own, and the icon itself opens the page too.
    platform.http.requests.clear();
    {
        MainForm form(platform.NewRun());
        form.FormCreate();
        EXPECT_EQ(form.TrayUpdate.Hint(), "Vitrex Update");
        EXPECT_FALSE(form.TrayUpdate.ShowsProgramIcon());
        const auto picture = form.TrayUpdate.Picture(16);
        ASSERT_TRUE(picture.has_value());
        EXPECT_NE(picture->pixels, resources::PanelIconBitmap(resources::PanelIcon::Logo, 32).pixels);
        form.TrayUpdate.UserClick();
        EXPECT_TRUE(form.Visible());
        EXPECT_EQ(form.Pages.ActivePageIndex(), kPageUpdate);
        EXPECT_FALSE(form.TrayUpdate.IconVisible());
        EXPECT_EQ(platform.http.requests.back().url,
                  "https://vitrex.example.org/update.php?infos=1&language=en");
    }
    for (const bool failed : {true, false}) {
        if (failed) {
            platform.http.Fail(kCheckUrl);
        } else {
            platform.http.Respond(kCheckUrl, "<!DOCTYPE html>\n<html><body>It works!</body></html>\n");
        }
        MainForm form(platform.NewRun());
        form.FormCreate();
        EXPECT_FALSE(form.TrayUpdate.IconVisible());
        EXPECT_TRUE(LogHas(form, "Typ: HttpError")) << "the failure is logged, not shown";
        EXPECT_EQ(
            std::count_if(form.Log().Lines().begin(), form.Log().Lines().end(),
                          [](const std::string& line) { return line.find("Typ: ") != std::string::npos; }),
            1);
        EXPECT_TRUE(platform.dialogs.shown.empty());
    }
    platform.registry.Seed(kKey, "UpdateCheck", FakeRegistryValue::Dword(0));
    platform.http.requests.clear();
    {
        MainForm form(platform.NewRun());
        form.FormCreate();
        EXPECT_FALSE(form.GB_Start_CUpdate.Checked());
        EXPECT_TRUE(platform.http.requests.empty());
    }
}

TEST_F(UpdateInTheForm, ACompletedDownloadStartsTheInstallerAndEndsTheProgramWithSaving) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    LoadOffer(form);
    platform.registry.Remove(kKey, "HideProgram");
    form.TAB_U_UpdateBTN.UserClick();
    EXPECT_EQ(platform.shell.opened, std::vector<std::string>{"C:\\Program Files\\Vitrex\\update.exe"});
    EXPECT_TRUE(form.QuitRequested());
    EXPECT_TRUE(form.Terminated());
    EXPECT_TRUE(platform.registry.Value(kKey, "HideProgram").has_value()) << "saved";
}

// Every way of quitting, pressed while the download waits: the transfer ends, and the close path
// runs once, after the wait has unwound; the half-downloaded installer is neither kept nor started.
TEST_F(UpdateInTheForm, QuittingDuringATransferClosesOnceAfterTheWait) {
    const std::vector<std::pair<const char*, std::function<void(MainForm&)>>> quits{
        {"tray exit", [](MainForm& form) { form.TrayPopup_Exit.UserClick(); }},
        {"window menu", [](MainForm& form) { form.SystemMenu().UserCommand(kExitCommand); }},
        {"session end", [](MainForm& form) { EXPECT_TRUE(form.UserQueryEndSession()); }},
        {"CLOSE command",
         [this](MainForm& form) {
             platform.registry.Seed(kKey, "ApplicationCommand", FakeRegistryValue::Sz("CLOSE"));
             form.CommandTimer.Tick();
         }},
    };
    for (const auto& [name, quit] : quits) {
        SCOPED_TRACE(name);
        MainForm form(platform.NewRun());
        form.FormCreate();
        LoadOffer(form);
        int closes = 0;
        const ui::Handler close = form.OnClose;
        form.OnClose = [&] {
            EXPECT_FALSE(platform.http.Busy()) << "not inside the wait";
            ++closes;
            close();
        };
        // Through a reference of its own: clang 14, which the sanitizer build uses, cannot capture
        // a structured binding.
        const auto& quitNow = quit;
        platform.http.inside = [&](std::size_t piece) {
            if (piece != 1) return;
            quitNow(form);
            quitNow(form);
            EXPECT_EQ(closes, 0);
            EXPECT_FALSE(form.Terminated());
        };
        form.TAB_U_UpdateBTN.UserClick();
        platform.http.inside = nullptr;
        EXPECT_EQ(closes, 1);
        EXPECT_TRUE(form.Terminated());
        EXPECT_TRUE(platform.shell.opened.empty());
        EXPECT_FALSE(platform.files.File("C:\\Program Files\\Vitrex\\update.exe").has_value());
        EXPECT_EQ(platform.http.overlappingCalls, 0);
        EXPECT_FALSE(LogHas(form, "HttpError")) << "a quit is no failure";
    }
}

}  // namespace
}  // namespace vitrex::app
