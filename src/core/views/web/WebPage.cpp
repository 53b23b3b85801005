#include "core/views/web/WebPage.h"

#include <exception>
#include <utility>

#include "core/net/ServerAddress.h"
#include "core/text/AsciiCase.h"
#include "core/views/web/ErrorPages.h"

namespace vitrex::views::web {
namespace {

// "scheme://host:port/" of an http(s) address, in lower case; empty for anything else.
std::string OriginOf(std::string_view url) {
    const std::size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) return {};
    const std::size_t end = url.find_first_of("/?#", scheme + 3);
    std::string origin(url.substr(0, end == std::string_view::npos ? url.size() : end));
    for (char& c : origin)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (!origin.starts_with("http://") && !origin.starts_with("https://")) return {};
    return origin + "/";
}

// A local file as the browser names it ("file:///C:/Temp/x.html", "C:\Temp\x.html") as a path
// with backslashes and its escapes undone.
std::string LocalPath(std::string_view url) {
    std::string path;
    if (text::EqualIgnoringCase(url.substr(0, 8), "file:///")) {
        url.remove_prefix(8);
    } else if (text::EqualIgnoringCase(url.substr(0, 7), "file://")) {
        url.remove_prefix(5);  // a share: keep the two slashes
    }
    for (std::size_t i = 0; i < url.size(); ++i) {
        char c = url[i];
        if (c == '%' && i + 2 < url.size()) {
            const std::string hex(url.substr(i + 1, 2));
            if (hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
                c = static_cast<char>(std::stoi(hex, nullptr, 16));
                i += 2;
            }
        }
        path += c == '/' ? '\\' : c;
    }
    return path;
}

}  // namespace

WebPage::WebPage(WebPageControls controls, Files& files, OperatingSystem& system, Shell& shell,
                 std::string serverBase, const i18n::Catalogue& texts)
    : controls_(controls),
      files_(files),
      system_(system),
      shell_(shell),
      serverBase_(std::move(serverBase)),
      texts_(texts) {
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
            MessagePage(texts_.Text("Other", "SiteNotFound1"), texts_.Text("Other", "SiteNotFound2")));
    } catch (...) {
        messageFailure = std::current_exception();
    }
    Navigate(frameset);
    if (messageFailure) std::rethrow_exception(messageFailure);
}

bool WebPage::WebBrowserBeforeNavigate(const std::string& url) {
    if (url == "about:blank") return true;
    const std::string origin = OriginOf(url);
    if (!origin.empty() && origin == OriginOf(serverBase_)) return true;
    const std::string path = LocalPath(url);
    const std::string folder = ErrorPageFolder();
    for (const char* file : {kFramesetFile, kMessageFile}) {
        if (text::EqualIgnoringCase(path, folder + "\\" + file)) return true;
    }
    WebBrowserNewWindow(url);
    return false;
}

void WebPage::WebBrowserNewWindow(const std::string& url) {
    if (const auto address = net::WebAddress(serverBase_, url); address && *address == url) shell_.Open(url);
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
    controls_.WebBrowserMessageText.SetCaption(MessageAsText(texts_.Text("Other", "SiteNotFound1")) + "\n" +
                                               MessageAsText(texts_.Text("Other", "SiteNotFound2")));
    controls_.WebBrowserMessageLink.SetCaption(texts_.Text("Vitrex", "OpenInBrowser"));
}

void WebPage::WebBrowserMessageLinkClick() {
    if (!wantedUrl_.empty()) shell_.Open(wantedUrl_);
}

void WebPage::AttachHandlers() {
    controls_.WebBrowser.OnDocumentComplete = [this] { WebBrowserDocumentComplete(); };
    controls_.WebBrowser.OnBeforeNavigate = [this](const std::string& url) {
        return WebBrowserBeforeNavigate(url);
    };
    controls_.WebBrowser.OnNewWindow = [this](const std::string& url) { WebBrowserNewWindow(url); };
    controls_.WebBrowserWait.OnTimer = [this] { WebBrowserWaitTimer(); };
    controls_.WebBrowserMessageLink.OnClick = [this] { WebBrowserMessageLinkClick(); };
}
}  // namespace vitrex::views::web
