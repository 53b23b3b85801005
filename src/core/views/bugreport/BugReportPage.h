#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/i18n/Catalogue.h"
#include "core/net/Client.h"
#include "core/net/FormEncoding.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/ui/Controls.h"
#include "core/ui/ListControls.h"

namespace vitrex::views::bugreport {

struct BugReportControls {
    ui::LabeledEdit& Bug_Headline;
    ui::LabeledEdit& Bug_Mail;
    ui::ComboBox& Bug_OS;
    ui::Memo& Bug_Text;
    ui::Button& Bug_Send;
};

// The bug report page: a short report posted to the project's server. The mail field shows a
// placeholder while it is empty; a report without a mail address carries the project's own.
class BugReportPage {
public:
    // The fields' lengths in characters. Every character at its longest in the encoded form (a
    // reference for one the code page lacks, percent-encoded), the report stays within
    // net::kLargestFormBody, so the server always takes a report the program lets the user type.
    static constexpr std::size_t kTitleLimit = 250;
    static constexpr std::size_t kMailLimit = 250;
    static constexpr std::size_t kTextLimit = 30000;

    BugReportPage(BugReportControls controls, net::Client& client, Files& files, Dialogs& dialogs,
                  const i18n::Catalogue& texts, const std::string& languageFileBase)
        : c_(controls),
          client_(client),
          files_(files),
          dialogs_(dialogs),
          texts_(texts),
          languageFileBase_(languageFileBase) {}

    // Holds the fields to their lengths.
    void SetUpFields();

    // "(" + the language's "OnlyIfAnswer" text + ")".
    std::string MailPlaceholder() const;
    // The language's texts that are no caption: the mail field's placeholder (a mail typed before
    // gives way to it) and the systems' last item, which stays chosen.
    void ShowCaptions();

    // Runs the handlers below on its controls' events.
    void AttachHandlers();
    void Bug_MailClick();
    void Bug_MailExit();
    // Checks the required fields, posts the report and says whether the server took it: a reply
    // other than "1" and an error status are refusals, said as such and logged. The form keeps
    // its contents either way.
    void Bug_SendClick();

    // The fields of the report in the order the server reads them.
    std::vector<net::FormField> ReportFields() const;

private:
    BugReportControls c_;
    net::Client& client_;
    Files& files_;
    Dialogs& dialogs_;
    const i18n::Catalogue& texts_;
    const std::string& languageFileBase_;
};

}  // namespace vitrex::views::bugreport
