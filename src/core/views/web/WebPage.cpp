#include "core/views/web/WebPage.h"

#include <exception>
#include <utility>

#include "core/views/web/ErrorPages.h"

namespace vitrex::views::web {

WebPage::WebPage(WebPageControls controls, Files& files, OperatingSystem& system, Shell& shell,
                 std::string serverBase)
    : controls_(controls), files_(files), system_(system), shell_(shell), serverBase_(std::move(serverBase)) {
    controls_.WebBrowserMessage.SetVisible(false);
    controls_.WebBrowserMessageText.SetWordWrap(true);
    controls_.WebBrowserMessageLink.SetStyle(ui::TextStyle::Link);
    controls_.WebBrowserWait.SetIntervalMs(kDocumentWaitMs);
    controls_.WebBrowserWait.SetEnabled(false);
}

void WebPage::ShowProjectPage(const std::string& path) {
    wantedUrl_ = serverBase_ + path;
    Navigate(wantedUrl_);
}

void WebPage::Navigate(const std::string& url) {
    // The wait starts again with every page.
    controls_.WebBrowserWait.SetEnabled(false);
    controls_.WebBrowserWait.SetEnabled(true);
    controls_.WebBrowser.Navigate(url);
}

void WebPage::ShowBrowser(bool shown) {
    controls_.WebBrowserMessage.SetVisible(!shown);
    controls_.WebBrowser.SetVisible(shown);
}

void WebPage::WebBrowserDocumentComplete() {
    // A document did finish, so the browser can show pages after all.
    controls_.WebBrowserWait.SetEnabled(false);
    ShowBrowser(true);
    if (controls_.WebBrowser.Title() == kProjectPageTitle) return;

    const std::string folder = ErrorPageFolder();
    const std::string frameset = folder + "\\" + kFramesetFile;
    files_.WriteAnsiText(frameset, FramesetPage());
    // The frameset is shown even when the message cannot be written (its frame then stays
    // empty); that failure is still reported afterwards.
    std::exception_ptr messageFailure;
    try {
        files_.WriteAnsiText(
            folder + "\\" + kMessageFile,
            MessagePage(texts_->Text("Other", "SiteNotFound1"), texts_->Text("Other", "SiteNotFound2")));
    } catch (...) {
        messageFailure = std::current_exception();
    }
    Navigate(frameset);
    if (messageFailure) std::rethrow_exception(messageFailure);
}

// The "temp" variable names the folder; without it (or with it empty) the user's temporary
// folder, rather than the root of whatever drive is current.
std::string WebPage::ErrorPageFolder() {
    std::string folder = system_.EnvironmentVariable("temp").value_or("");
    if (folder.empty()) folder = files_.TemporaryFolder();
    return folder;
}

void WebPage::WebBrowserWaitTimer() {
    controls_.WebBrowserWait.SetEnabled(false);
    ShowTexts();
    ShowBrowser(false);
}

void WebPage::ShowTexts() {
    controls_.WebBrowserMessageText.SetCaption(MessageAsText(texts_->Text("Other", "SiteNotFound1")) + "\n" +
                                               MessageAsText(texts_->Text("Other", "SiteNotFound2")));
    controls_.WebBrowserMessageLink.SetCaption(texts_->Text("Vitrex", "OpenInBrowser"));
}

void WebPage::WebBrowserMessageLinkClick() {
    if (!wantedUrl_.empty()) shell_.Open(wantedUrl_);
}

}  // namespace vitrex::views::web
