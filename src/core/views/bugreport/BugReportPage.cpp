#include "core/views/bugreport/BugReportPage.h"
#include "core/i18n/CatalogueKeys.h"
#include "core/i18n/StoredTexts.h"

#include "core/app/Version.h"
#include "core/net/PostForm.h"
#include "core/net/ProjectLinks.h"
#include "core/net/ServerText.h"
#include "core/platform/Errors.h"

namespace vitrex::views::bugreport {

namespace {

// Blanks and line breaks alone say nothing: such a field is as empty as one with nothing in it.
bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

void BugReportPage::SetUpFields() {
    c_.Bug_Headline.SetMaxLength(kTitleLimit);
    c_.Bug_Mail.SetMaxLength(kMailLimit);
    c_.Bug_Text.SetMaxLength(kTextLimit);
}

std::string BugReportPage::MailPlaceholder() const {
    return i18n::MailPlaceholder(texts_);
}

void BugReportPage::ShowCaptions() {
    c_.Bug_Mail.SetText(MailPlaceholder());
    const bool otherChosen = c_.Bug_OS.ItemIndex() == 3;
    if (c_.Bug_OS.Items().size() > 3) c_.Bug_OS.DeleteItem(3);
    c_.Bug_OS.InsertItem(3, texts_.Text("TabReportBug", "Other"));
    if (otherChosen) c_.Bug_OS.SetItemIndex(3);
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
        {"mail", mail == MailPlaceholder() ? std::string(net::kContactMailbox) : mail},
        {"os", c_.Bug_OS.Text()},
        {"text", c_.Bug_Text.Text()},
        {"version", app::kVersionText},
        {"datum", app::kDateText},
        {"buildnumber", app::kBuildNumber},
    };
}

void BugReportPage::Bug_SendClick() {
    if (Blank(c_.Bug_Headline.Text()) || c_.Bug_OS.Text().empty() || Blank(c_.Bug_Text.Text())) {
        dialogs_.ShowMessage(texts_.Text("TabReportBug", "UnComplete"));
        return;
    }
    // The client takes one request at a time (a download may be running): said as such, since
    // nothing is wrong with the connection.
    if (client_.Busy()) {
        dialogs_.ShowMessage(texts_.Text(i18n::kOwnSection, "TransferRunning"));
        return;
    }
    // Disabled while the report is on its way, so that the nested message loop of the transfer
    // cannot start a second one.
    c_.Bug_Send.SetEnabled(false);
    struct Enable {
        ui::Button& button;
        ~Enable() { button.SetEnabled(true); }
    } enable{c_.Bug_Send};
    std::optional<std::string> reply;
    try {
        reply = net::PostForm(&client_, "sendbug.php", ReportFields(), files_, dialogs_, texts_);
    } catch (const HttpError& failure) {
        if (failure.IsRefusal()) dialogs_.ShowMessage(texts_.Text(i18n::kOwnSection, "ReportRefused"));
        throw;
    }
    // The transfer failed and has said so.
    if (!reply) return;
    if (*reply == "1") {
        dialogs_.ShowMessage(texts_.Text("TabReportBug", "SendSucess"));
        return;
    }
    // Anything but "1" is a report the server did not store ("0", an error page): the form keeps
    // what was typed, so the user can send it again.
    dialogs_.ShowMessage(texts_.Text(i18n::kOwnSection, "ReportRefused"));
    throw HttpError("sendbug.php: the server did not accept the report: \"" + net::Excerpt(*reply) + "\"");
}

void BugReportPage::AttachHandlers() {
    c_.Bug_Mail.OnEnter = [this] { Bug_MailClick(); };
    c_.Bug_Mail.OnExit = [this] { Bug_MailExit(); };
    c_.Bug_Send.OnClick = [this] { Bug_SendClick(); };
}
}  // namespace vitrex::views::bugreport
