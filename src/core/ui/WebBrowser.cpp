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

}  // namespace vitrex::ui
