#pragma once

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

private:
    std::string requestedUrl_;
    int navigationCount_ = 0;
    std::string title_;
};

}  // namespace vitrex::ui
