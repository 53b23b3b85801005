#pragma once

#include <string>

#include "core/i18n/Catalogue.h"
#include "core/platform/Files.h"
#include "core/platform/OperatingSystem.h"
#include "core/platform/Shell.h"
#include "core/ui/Controls.h"
#include "core/ui/Timer.h"
#include "core/ui/WebBrowser.h"

namespace vitrex::views::web {

// The web tab's controls: the browser, and the message shown in its place when no document
// finishes loading at all (a system without a rendering engine), with a link to the page.
struct WebPageControls {
    ui::WebBrowser& WebBrowser;
    ui::Panel& WebBrowserMessage;
    ui::Label& WebBrowserMessageText;
    ui::Label& WebBrowserMessageLink;
    // Runs once after each navigation; a finished document stops it.
    ui::Timer& WebBrowserWait;
};

// How long the tab waits for a document before it shows the message in the browser's place.
// A page of the project's server, or the browser's own error page, finishes well within it.
inline constexpr int kDocumentWaitMs = 10000;

// The web tab: project pages in the browser, and the local error page in place of any page
// that is not the project's.
class WebPage {
public:
    // `texts` are the current language's, which must outlive the page.
    WebPage(WebPageControls controls, Files& files, OperatingSystem& system, Shell& shell,
            std::string serverBase, const i18n::Catalogue& texts);
    WebPage(const WebPage&) = delete;
    WebPage& operator=(const WebPage&) = delete;

    // Runs the handlers below on its controls' events.
    void AttachHandlers();

    // Loads the page at `path` of the project's web server.
    void ShowProjectPage(const std::string& path);

    // A document (the top page or a frame) finished: a top-level title other than the project's
    // puts the local error page in its place.
    void WebBrowserDocumentComplete();
    // The tab shows the project's pages (the server's origin) and the local error pages, nothing
    // else: any other address the page goes to is opened in the user's browser, when it is an
    // http: or https: address, and the tab stays where it is.
    bool WebBrowserBeforeNavigate(const std::string& url);
    // A new window is never opened in the program; its address goes to the user's browser as above.
    void WebBrowserNewWindow(const std::string& url);
    // No document finished in time: the message and the link in the browser's place.
    void WebBrowserWaitTimer();
    // The message and the link in the current language; a language change calls it, so a message
    // on display follows at once.
    void ShowTexts();
    // Opens the page that did not show in the user's own browser.
    void WebBrowserMessageLinkClick();

    // The folder the error pages are written to.
    std::string ErrorPageFolder();

private:
    void Navigate(const std::string& url);
    void ShowBrowser(bool shown);

    WebPageControls controls_;
    Files& files_;
    OperatingSystem& system_;
    Shell& shell_;
    std::string serverBase_;
    const i18n::Catalogue& texts_;
    // The page the user asked for, which the link opens: not the local error page that may
    // have replaced it.
    std::string wantedUrl_;
};

}  // namespace vitrex::views::web
