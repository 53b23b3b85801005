#include "core/ui/WebBrowser.h"

namespace vitrex::ui {

void WebBrowser::Navigate(const std::string& url) {
    requestedUrl_ = url;
    ++navigationCount_;
    Notify(Change::Navigation);
}

void WebBrowser::UserDocumentComplete(const std::string& topLevelTitle) {
    title_ = topLevelTitle;
    Fire(OnDocumentComplete);
}

bool WebBrowser::UserBeforeNavigate(const std::string& url) {
    if (!OnBeforeNavigate) return true;
    bool allowed = false;
    Fire([&] { allowed = OnBeforeNavigate(url); });
    return allowed;
}

void WebBrowser::UserNewWindow(const std::string& url) {
    if (OnNewWindow) Fire([&] { OnNewWindow(url); });
}

}  // namespace vitrex::ui
