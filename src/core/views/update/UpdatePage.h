#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/i18n/Catalogue.h"
#include "core/net/Client.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/platform/Hashing.h"
#include "core/platform/Shell.h"
#include "core/ui/Controls.h"
#include "core/ui/Timer.h"
#include "core/ui/TrayIcon.h"
#include "core/views/update/TransferSpeed.h"
#include "core/views/update/UpdateInfo.h"

namespace vitrex::views::update {

// The controls of the update page, the start-up option and the update notice's tray icon.
struct UpdateControls {
    ui::Panel& TAB_U_WaitPanel;
    ui::Button& TAB_U_NoConnection;
    ui::Label& TAB_U_Install;
    ui::Label& TAB_U_New;
    ui::Memo& TAB_U_Infos;
    ui::ProgressBar& TAB_U_Progress;
    ui::Label& TAB_U_SpeedLabel;
    ui::Button& TAB_U_ManuellBTN;
    ui::Button& TAB_U_UpdateBTN;
    ui::Button& TAB_U_AbbrechenBTN;
    // A failed download's message, where the progress was.
    ui::Label& TAB_U_ErrorLabel;
    ui::TrayIcon& TrayUpdate;
    // Runs the load asked for while another request of the client was running, once it is free.
    ui::Timer& UpdateLoadTimer;
};

struct UpdatePorts {
    net::Client& client;
    Files& files;
    Shell& shell;
    Dialogs& dialogs;
    Clock& clock;
    TextCollation& locale;
    // Only an installer it signed is started.
    ReleaseSignature& releaseKey;
    Hashing& hashing;
};

// The check for a newer build at start-up with its balloon, the update page (the offered
// version, its change log), the download of the installer, which is started only when the release
// key signed it, and the end of the program for it. The page's states: loading (the wait panel, also
// while another request of the client finishes), failed (the panel in red with the
// manual-update button), loaded, downloading, and back to loaded after a cancel, a refused
// installer or a failed download (which says so in red where the progress was).
//
// Everything the server names is checked before it is used: the start-up check's reply must be a
// build number, and the download, change-log and manual-update addresses must be http: or https:.
class UpdatePage {
public:
    // `languageFileBase` is the form's, read at each request; `quitForInstaller` ends the program.
    UpdatePage(UpdateControls controls, UpdatePorts ports, const i18n::Catalogue& texts,
               const std::string& languageFileBase, std::function<void()> quitForInstaller);

    // Runs the handlers below on its controls' events: the buttons, the load timer, and the update
    // notice's balloon going away. A click on the notice is the window's: it opens the page.
    void AttachHandlers();

    // The check at the end of start-up (only when the option is on): a build other than this one
    // is announced by the balloon of TrayUpdate. A failed request, or a reply that is no build
    // number, shows nothing and throws.
    void StartupCheck();
    void TrayUpdateBalloonHintHide() { c_.TrayUpdate.SetIconVisible(false); }

    // Loads the page anew: versions, change log, the update button; nothing of an earlier load
    // stays. During the page's own download the page is left as it is; while another request
    // runs (the start-up check, a bug report) the page waits and loads once the client is free.
    void XPBarVTXItems1Click();
    // The load timer's tick.
    void UpdateLoadTimerTimer();
    void TAB_U_ManuellBTNClick();
    void TAB_U_NoConnectionClick();
    void TAB_U_UpdateBTNClick();
    void TAB_U_AbbrechenBTNClick();

    // Progress of every transfer.
    void HTTPWorkBegin(std::int64_t expected) { speed_.HTTPWorkBegin(expected); }
    void HTTPWork(std::int64_t count) { speed_.HTTPWork(count); }

    // Empty until the page has loaded; emptied when a load starts and set when it succeeds.
    const std::string& DownloadURL() const { return downloadUrl_; }
    const std::string& ManualUpdateURL() const { return manualUpdateUrl_; }
    // Where the installer is written: beside the executable.
    std::string InstallerPath() const;

private:
    void StartLoading();
    void Load();
    void ShowLoadFailed();
    // Fetched into the file; the file is removed when the transfer fails.
    void Download(const std::string& url, const std::string& path);
    // Checks the downloaded file and starts it, held against changes from the check to the start.
    void StartVerified(const std::string& path);
    void ShowDownloading(bool downloading);
    void ShowDownloadFailed();
    void RefuseInstaller(const std::string& path);
    std::string LanguageQuery() const;

    UpdateControls c_;
    UpdatePorts ports_;
    const i18n::Catalogue& texts_;
    const std::string& languageFileBase_;
    std::function<void()> quitForInstaller_;
    TransferSpeed speed_;
    std::string downloadUrl_;
    std::string manualUpdateUrl_;
    // The last loaded information, for the installer's digest and signature.
    std::optional<UpdateInfo> info_;
    // Set by the cancel button, so the transfer's end is not taken for a failure.
    bool cancelled_ = false;
    bool downloading_ = false;
};

}  // namespace vitrex::views::update
