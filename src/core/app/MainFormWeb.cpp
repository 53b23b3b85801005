// The web tab's handlers and the links that open pages or mail outside the program. Each is one
// call into its presenter.

#include "core/app/MainForm.h"

namespace vitrex::app {

void MainForm::AttachWebHandlers() {
    web_.SetTexts(texts_);
    links_.SetTexts(texts_);
    WebBrowser.OnDocumentComplete = [this] { WebBrowserDocumentComplete(); };
    // The tab's navigation policy is the web page presenter's.
    WebBrowser.OnBeforeNavigate = [this](const std::string& url) {
        return web_.WebBrowserBeforeNavigate(url);
    };
    WebBrowser.OnNewWindow = [this](const std::string& url) { web_.WebBrowserNewWindow(url); };
    WebBrowserWait.OnTimer = [this] { WebBrowserWaitTimer(); };
    WebBrowserMessageLink.OnClick = [this] { WebBrowserMessageLinkClick(); };
    TINFO_LabelHomepage.OnClick = [this] { TINFO_LabelHomepageClick(); };
    TINFO_LabelEmail.OnClick = [this] { TINFO_LabelEmailClick(); };
    TINFO_LabelTranslator.OnClick = [this] { TINFO_LabelTranslatorClick(); };
    Image1.OnClick = [this] { WelcomePayPalClick(); };
    WelcomePayPal.OnClick = [this] { WelcomePayPalClick(); };
}

void MainForm::WebBrowserDocumentComplete() {
    web_.WebBrowserDocumentComplete();
}
void MainForm::WebBrowserWaitTimer() {
    web_.WebBrowserWaitTimer();
}
void MainForm::WebBrowserMessageLinkClick() {
    web_.WebBrowserMessageLinkClick();
}
void MainForm::TINFO_LabelHomepageClick() {
    links_.TINFO_LabelHomepageClick();
}
void MainForm::TINFO_LabelEmailClick() {
    links_.TINFO_LabelEmailClick();
}
void MainForm::TINFO_LabelTranslatorClick() {
    links_.TINFO_LabelTranslatorClick();
}
void MainForm::WelcomePayPalClick() {
    links_.WelcomePayPalClick();
}

}  // namespace vitrex::app
