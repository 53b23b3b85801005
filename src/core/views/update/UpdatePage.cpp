#include "core/views/update/UpdatePage.h"

#include "core/app/Version.h"
#include "core/i18n/CatalogueKeys.h"
#include "core/net/Sha256.h"
#include "core/platform/Errors.h"

namespace vitrex::views::update {

using app::kBuildNumber;

namespace {

// The build number, or seven short lines: a reply beyond a few KB is no answer of the server's.
constexpr std::size_t kInfoReplyLimit = 4096;

}  // namespace

UpdatePage::UpdatePage(UpdateControls controls, UpdatePorts ports, const i18n::Catalogue& texts,
                       const std::string& languageFileBase, std::function<void()> quitForInstaller)
    : c_(controls),
      ports_(ports),
      texts_(texts),
      languageFileBase_(languageFileBase),
      quitForInstaller_(std::move(quitForInstaller)),
      speed_(controls.TAB_U_Progress, controls.TAB_U_SpeedLabel, ports.clock, ports.locale) {}

std::string UpdatePage::LanguageQuery() const {
    return std::string("&language=") + languageFileBase_;
}

std::string UpdatePage::InstallerPath() const {
    return ports_.files.ExecutableDirectory() + "update.exe";
}

void UpdatePage::StartupCheck() {
    // The whole body against the build number: a line end after the same number counts as other.
    const std::string reply = ports_.client.Get("update.php?check=1", kInfoReplyLimit);
    if (reply.empty() || reply == kBuildNumber) return;
    c_.TrayUpdate.SetIconVisible(true);
    c_.TrayUpdate.ShowBalloon(
        {std::string(app::kApplicationTitle) + " - " + texts_.Text("TabUpdate", "Update"),
         texts_.Text("TabUpdate", "UpdateHint"), 60, ui::BalloonIcon::Info});
}

void UpdatePage::XPBarVTXItems1Click() {
    if (ports_.client.Busy()) return;
    std::string reply;
    try {
        reply = ports_.client.Get("update.php?infos=1" + LanguageQuery(), kInfoReplyLimit);
    } catch (const HttpError&) {
        ShowLoadFailed();
        throw;
    }
    std::optional<UpdateInfo> info = ParseUpdateInfo(reply);
    if (!info) {
        ShowLoadFailed();
        return;
    }
    const bool german = languageFileBase_ == "de";
    c_.TAB_U_Install.SetCaption(german ? std::string(app::kVersionText) + " (" + app::kDateText + ")"
                                       : std::string(app::kVersionText));
    c_.TAB_U_New.SetCaption(german ? info->version + " (" + info->date + ")" : info->version);
    // A failed change log ends the load here: the button, the addresses and the panel stay.
    c_.TAB_U_Infos.SetText(ports_.client.Get(info->changeLogUrl + kBuildNumber + LanguageQuery()));
    c_.TAB_U_UpdateBTN.SetEnabled(info->build != kBuildNumber);
    downloadUrl_ = info->downloadUrl;
    manualUpdateUrl_ = info->manualUrl;
    info_ = std::move(info);
    c_.TAB_U_WaitPanel.SetVisible(false);
}

void UpdatePage::ShowLoadFailed() {
    c_.TAB_U_WaitPanel.SetCaption(texts_.Text("TabUpdate", "UpdateError"));
    c_.TAB_U_WaitPanel.SetStyle(ui::TextStyle::Warning);
    c_.TAB_U_NoConnection.SetVisible(true);
}

void UpdatePage::TAB_U_ManuellBTNClick() {
    if (manualUpdateUrl_.empty()) return;
    ports_.shell.Open(ports_.client.Url(manualUpdateUrl_ + kBuildNumber + LanguageQuery()));
}

void UpdatePage::TAB_U_NoConnectionClick() {
    ports_.shell.Open(
        ports_.client.Url(std::string("page.php?page=update&update=") + kBuildNumber + LanguageQuery()));
}

void UpdatePage::ShowDownloading(bool downloading) {
    c_.TAB_U_ManuellBTN.SetVisible(!downloading);
    c_.TAB_U_UpdateBTN.SetVisible(!downloading);
    c_.TAB_U_Progress.SetVisible(downloading);
    c_.TAB_U_AbbrechenBTN.SetVisible(downloading);
    if (!downloading) c_.TAB_U_SpeedLabel.SetVisible(false);
}

void UpdatePage::TAB_U_UpdateBTNClick() {
    if (ports_.client.Busy() || !info_) return;
    c_.TAB_U_Progress.SetPosition(0);
    const std::string path = InstallerPath();
    const std::string digest = Download(path);
    if (!MayStartInstaller(*info_, digest)) {
        RefuseInstaller(path);
        return;
    }
    try {
        ports_.shell.Open(path);
    } catch (const Error&) {
        ShowDownloading(false);
        throw;
    }
    quitForInstaller_();
}

std::string UpdatePage::Download(const std::string& path) {
    // A file that cannot be created ends the click before any control changes.
    std::unique_ptr<WritableFile> file = ports_.files.CreateForWriting(path);
    ShowDownloading(true);
    cancelled_ = false;
    net::Sha256 hash;
    try {
        ports_.client.Get(downloadUrl_, [&](std::string_view piece) {
            file->Write(piece);
            hash.Update(piece);
        });
        file->Close();
    } catch (const Error&) {
        // Half an installer must not be left where a later start could mistake it for a whole one.
        file.reset();
        ports_.files.RemoveFile(path);
        // The user asked for the end: nothing to log.
        if (cancelled_) throw SilentAbort();
        throw;
    }
    return hash.FinishHex();
}

void UpdatePage::RefuseInstaller(const std::string& path) {
    ports_.files.RemoveFile(path);
    ShowDownloading(false);
    if (ports_.dialogs.AskYesNo(texts_.Text(i18n::kOwnSection, "UpdateNotVerified"))) TAB_U_ManuellBTNClick();
}

void UpdatePage::TAB_U_AbbrechenBTNClick() {
    cancelled_ = true;
    ports_.client.Disconnect();
    ShowDownloading(false);
}

}  // namespace vitrex::views::update
