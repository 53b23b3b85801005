#include "core/views/bugreport/BugReportPage.h"
#include "core/i18n/StoredTexts.h"

#include "core/app/ProjectLinks.h"
#include "core/app/Version.h"
#include "core/net/PostForm.h"

namespace vitrex::views::bugreport {

std::string BugReportPage::MailPlaceholder() const {
    return i18n::MailPlaceholder(texts_);
}

void BugReportPage::Bug_MailClick() {
    if (c_.Bug_Mail.Text() == MailPlaceholder()) c_.Bug_Mail.SetText("");
}

void BugReportPage::Bug_MailExit() {
    if (c_.Bug_Mail.Text().empty()) c_.Bug_Mail.SetText(MailPlaceholder());
}

std::vector<net::FormField> BugReportPage::ReportFields() const {
    const std::string& mail = c_.Bug_Mail.Text();
    return {
        {"sendbug", "1"},
        {"language", languageFileBase_},
        {"title", c_.Bug_Headline.Text()},
        {"mail", mail == MailPlaceholder() ? std::string(app::kContactMailbox) : mail},
        {"os", c_.Bug_OS.Text()},
        {"text", c_.Bug_Text.Text()},
        {"version", app::kVersionText},
        {"datum", app::kDateText},
        {"buildnumber", app::kBuildNumber},
    };
}

void BugReportPage::Bug_SendClick() {
    // Blanks or a line break are content; only a field with nothing in it is missing.
    if (c_.Bug_Headline.Text().empty() || c_.Bug_OS.Text().empty() || c_.Bug_Text.Text().empty()) {
        dialogs_.ShowMessage(texts_.Text("TabReportBug", "UnComplete"));
        return;
    }
    // Disabled while the report is on its way, so that the nested message loop of the transfer
    // cannot start a second one.
    c_.Bug_Send.SetEnabled(false);
    struct Enable {
        ui::Button& button;
        ~Enable() { button.SetEnabled(true); }
    } enable{c_.Bug_Send};
    const std::string reply =
        net::PostForm(&client_, "sendbug.php", ReportFields(), files_, dialogs_, texts_);
    if (reply == "1") dialogs_.ShowMessage(texts_.Text("TabReportBug", "SendSucess"));
}

}  // namespace vitrex::views::bugreport
