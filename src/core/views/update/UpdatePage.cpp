#include "core/views/update/UpdatePage.h"

#include "core/app/Version.h"
#include "core/i18n/CatalogueKeys.h"
#include "core/net/FormEncoding.h"
#include "core/net/ServerAddress.h"
#include "core/net/ServerText.h"
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
    return "&language=" + net::PercentEncode(languageFileBase_);
}

std::string UpdatePage::InstallerPath() const {
    return ports_.files.ExecutableDirectory() + std::string(kInstallerFileName);
}

void UpdatePage::StartupCheck() {
    // The whole body against the build number: a line end after the same number counts as other,
    // and a server may offer an older build. What is no build number is no answer at all.
    const std::string reply = ports_.client.Get("update.php?check=1", kInfoReplyLimit);
    if (reply.empty() || reply == kBuildNumber) return;
    if (!IsBuildNumberReply(reply))
        throw HttpError("update.php?check=1: the reply is no build number: \"" + net::Excerpt(reply) + "\"");
    c_.TrayUpdate.SetIconVisible(true);
    c_.TrayUpdate.ShowBalloon(
        {std::string(app::kApplicationTitle) + " - " + texts_.Text("TabUpdate", "Update"),
         texts_.Text("TabUpdate", "UpdateHint"), 60, ui::BalloonIcon::Info});
}

void UpdatePage::XPBarVTXItems1Click() {
    if (downloading_) return;
    StartLoading();
    if (ports_.client.Busy()) {
        c_.UpdateLoadTimer.SetEnabled(true);
        return;
    }
    Load();
}

void UpdatePage::UpdateLoadTimerTimer() {
    if (ports_.client.Busy()) return;
    c_.UpdateLoadTimer.SetEnabled(false);
    if (!downloading_) Load();
}

void UpdatePage::StartLoading() {
    c_.UpdateLoadTimer.SetEnabled(false);
    info_.reset();
    downloadUrl_.clear();
    manualUpdateUrl_.clear();
    c_.TAB_U_New.SetCaption("");
    c_.TAB_U_Infos.SetText("");
    c_.TAB_U_UpdateBTN.SetEnabled(false);
    c_.TAB_U_ErrorLabel.SetVisible(false);
    c_.TAB_U_NoConnection.SetVisible(false);
    c_.TAB_U_WaitPanel.SetCaption(texts_.Text("TabUpdate", "CheckingForUpdates"));
    c_.TAB_U_WaitPanel.SetStyle(ui::TextStyle::Normal);
    c_.TAB_U_WaitPanel.SetVisible(true);
}

void UpdatePage::Load() {
    std::optional<UpdateInfo> info;
    std::string changeLog;
    try {
        const std::string reply =
            ports_.client.GetText("update.php?infos=1" + LanguageQuery(), ports_.files, kInfoReplyLimit);
        info = ParseUpdateInfo(reply);
        // Too few lines: shown as failed, as the server having nothing to say.
        if (!info) {
            ShowLoadFailed();
            return;
        }
        if (!IsBuildNumberReply(info->build))
            throw HttpError("update.php?infos=1: the first line is no build number: \"" +
                            net::Excerpt(info->build) + "\"");
        const auto changeLogUrl =
            net::WebAddress(ports_.client.Base(), info->changeLogUrl + kBuildNumber + LanguageQuery());
        if (!changeLogUrl)
            throw HttpError("The change log's address is no http: or https: address: \"" +
                            net::Excerpt(info->changeLogUrl) + "\"");
        changeLog = ports_.client.GetText(*changeLogUrl, ports_.files);
    } catch (const SilentAbort&) {
        throw;
    } catch (const Error&) {
        ShowLoadFailed();
        throw;
    }
    const bool german = languageFileBase_ == "de";
    c_.TAB_U_Install.SetCaption(german ? std::string(app::kVersionText) + " (" + app::kDateText + ")"
                                       : std::string(app::kVersionText));
    c_.TAB_U_New.SetCaption(german ? info->version + " (" + info->date + ")" : info->version);
    c_.TAB_U_Infos.SetText(changeLog);
    c_.TAB_U_UpdateBTN.SetEnabled(info->build != kBuildNumber);
    downloadUrl_ = info->downloadUrl;
    manualUpdateUrl_ = info->manualUrl;
    info_ = std::move(info);
    c_.TAB_U_WaitPanel.SetVisible(false);
}

void UpdatePage::ShowLoadFailed() {
    c_.TAB_U_WaitPanel.SetCaption(texts_.Text("TabUpdate", "UpdateError"));
    c_.TAB_U_WaitPanel.SetStyle(ui::TextStyle::Warning);
    c_.TAB_U_WaitPanel.SetVisible(true);
    c_.TAB_U_NoConnection.SetVisible(true);
}

void UpdatePage::TAB_U_ManuellBTNClick() {
    if (manualUpdateUrl_.empty()) return;
    const auto url = net::WebAddress(ports_.client.Base(), manualUpdateUrl_ + kBuildNumber + LanguageQuery());
    if (!url)
        throw HttpError("The manual-update address is no http: or https: address: \"" +
                        net::Excerpt(manualUpdateUrl_) + "\"");
    ports_.shell.Open(*url);
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
    c_.TAB_U_ErrorLabel.SetVisible(false);
    if (!downloading) c_.TAB_U_SpeedLabel.SetVisible(false);
}

void UpdatePage::ShowDownloadFailed() {
    ShowDownloading(false);
    c_.TAB_U_ErrorLabel.SetCaption(texts_.Text("TabUpdate", "UpdateError"));
    c_.TAB_U_ErrorLabel.SetVisible(true);
}

void UpdatePage::TAB_U_UpdateBTNClick() {
    if (ports_.client.Busy() || !info_) return;
    const auto url = net::WebAddress(ports_.client.Base(), info_->downloadUrl);
    if (!url) {
        ShowDownloadFailed();
        throw HttpError("The download's address is no http: or https: address: \"" +
                        net::Excerpt(info_->downloadUrl) + "\"");
    }
    c_.TAB_U_Progress.SetPosition(0);
    const std::string path = InstallerPath();
    Download(*url, path);
    StartVerified(path);
}

void UpdatePage::StartVerified(const std::string& path) {
    // The digest is taken of the file as it lies on disk, through a handle that lets nobody write,
    // rename or delete it until the installer's process exists: what was verified is what starts.
    std::unique_ptr<HeldFile> held;
    std::array<std::uint8_t, 32> digest{};
    try {
        held = ports_.files.OpenHeld(path);
        const std::unique_ptr<Hash> hash = ports_.hashing.StartSha256();
        std::string buffer(64 * 1024, '\0');
        while (const std::size_t read = held->Read(buffer.data(), buffer.size()))
            hash->Update(std::string_view(buffer.data(), read));
        digest = hash->Finish();
    } catch (const Error&) {
        held.reset();
        ports_.files.RemoveFile(path);
        ShowDownloadFailed();
        throw;
    }
    if (!MayStartInstaller(*info_, digest, ports_.releaseKey)) {
        held.reset();
        RefuseInstaller(path);
        return;
    }
    try {
        ports_.shell.Open(path);
    } catch (const Error&) {
        ShowDownloading(false);
        throw;
    }
    held.reset();
    quitForInstaller_();
}

void UpdatePage::Download(const std::string& url, const std::string& path) {
    // A file that cannot be created ends the click before any control changes.
    std::unique_ptr<WritableFile> file = ports_.files.CreateForWriting(path);
    ShowDownloading(true);
    cancelled_ = false;
    downloading_ = true;
    struct Ended {
        bool& downloading;
        ~Ended() { downloading = false; }
    } ended{downloading_};
    try {
        ports_.client.Get(url, [&](std::string_view piece) { file->Write(piece); });
        file->Close();
    } catch (const Error& failure) {
        // Half an installer must not be left where a later start could mistake it for a whole one.
        file.reset();
        ports_.files.RemoveFile(path);
        // The user asked for the end (a cancel, a quit): nothing to show or log.
        if (cancelled_ || dynamic_cast<const SilentAbort*>(&failure) != nullptr) throw SilentAbort();
        ShowDownloadFailed();
        throw;
    }
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

void UpdatePage::AttachHandlers() {
    c_.TAB_U_ManuellBTN.OnClick = [this] { TAB_U_ManuellBTNClick(); };
    c_.TAB_U_NoConnection.OnClick = [this] { TAB_U_NoConnectionClick(); };
    c_.TAB_U_UpdateBTN.OnClick = [this] { TAB_U_UpdateBTNClick(); };
    c_.TAB_U_AbbrechenBTN.OnClick = [this] { TAB_U_AbbrechenBTNClick(); };
    c_.UpdateLoadTimer.OnTimer = [this] { UpdateLoadTimerTimer(); };
    c_.TrayUpdate.OnBalloonClose = [this] { TrayUpdateBalloonHintHide(); };
    c_.TrayUpdate.OnBalloonTimeout = [this] { TrayUpdateBalloonHintHide(); };
}
}  // namespace vitrex::views::update
