#pragma once

#include <functional>
#include <string>

#include "core/ui/Widget.h"

namespace vitrex::ui {

// An embedded web page. Navigate asks for a page; the binder reports each finished document
// (the top page or one of its frames) with the title the top-level document has then.
class WebBrowser : public Widget {
public:
    WebBrowser(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::WebBrowser, std::move(name), "TWebBrowser", parent, bounds) {
        SetTabStop(true);
    }

    // Loads a URL or a local file. Asking for the page on display loads it again.
    void Navigate(const std::string& url);
    // The page asked for last; empty before the first navigation.
    const std::string& RequestedUrl() const { return requestedUrl_; }
    // How many navigations were asked for, so that the same URL twice is two requests.
    int NavigationCount() const { return navigationCount_; }
    // The title of the top-level document when a document last finished loading.
    const std::string& Title() const { return title_; }

    Handler OnDocumentComplete;
    void UserDocumentComplete(const std::string& topLevelTitle);

    // Asked before every navigation the browser is about to make, its own (a link, a script, a
    // frame) and the program's: whether the tab may go there. Without a handler it may; a handler
    // that fails says no.
    std::function<bool(const std::string& url)> OnBeforeNavigate;
    bool UserBeforeNavigate(const std::string& url);
    // A page asked for a window of its own, which the tab never opens: the handler decides what
    // becomes of the address.
    std::function<void(const std::string& url)> OnNewWindow;
    void UserNewWindow(const std::string& url);

private:
    std::string requestedUrl_;
    int navigationCount_ = 0;
    std::string title_;
};

}  // namespace vitrex::ui
