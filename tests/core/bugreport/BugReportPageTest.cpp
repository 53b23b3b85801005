#include <gtest/gtest.h>

#include <string>

#include "core/views/bugreport/BugReportPage.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"
#include "testing/FakeHttp.h"

namespace vitrex::views::bugreport {
namespace {

constexpr const char* kPlaceholder = "(Only fill in if a answer is desired!)";
constexpr const char* kSendUrl = "https://vitrex.example.org/sendbug.php";

struct BugReport : ::testing::Test {
    BugReport() {
        mail.SetText(kPlaceholder);
        os.SetItems({"Windows 2000", "Windows XP Home Edition", "Windows XP Professional",
                     "Other (Please declare!)"});
    }
    void FillIn() {
        headline.SetText("Crash & burn");
        os.SetItemIndex(2);
        text.SetText("a=b+c 100%\r\nzweite Zeile \xC3\xBC");
    }

    ui::LabeledEdit headline{"Bug_Headline", nullptr, {}};
    ui::LabeledEdit mail{"Bug_Mail", nullptr, {}};
    ui::ComboBox os{"Bug_OS", nullptr, {}};
    ui::Memo text{"Bug_Text", nullptr, {}};
    ui::Button send{"Bug_Send", nullptr, {}};
    fakes::FakeHttp http;
    fakes::FakeFiles files;
    fakes::FakeDialogs dialogs;
    net::Client client{http, "https://vitrex.example.org/"};
    i18n::Catalogue texts;
    std::string language = "en";
    BugReportPage page{{headline, mail, os, text, send}, client, files, dialogs, texts, language};
};

TEST_F(BugReport, ThePlaceholderLeavesOnEnteringAndComesBackWhenTheFieldIsLeftEmpty) {
    page.Bug_MailClick();
    EXPECT_EQ(mail.Text(), "");
    page.Bug_MailExit();
    EXPECT_EQ(mail.Text(), kPlaceholder);
    // Only the placeholder itself is cleared, and only an empty field gets it back.
    for (const char* typed : {"(Only fill in if a answer is desired!) ", "me@example.org", " "}) {
        mail.SetText(typed);
        page.Bug_MailClick();
        page.Bug_MailExit();
        EXPECT_EQ(mail.Text(), typed);
    }
}

TEST_F(BugReport, AMissingRequiredFieldIsReportedAndNothingIsSent) {
    auto expectRefused = [&](const char* what) {
        dialogs.shown.clear();
        page.Bug_SendClick();
        EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Please complete the form!"}) << what;
        EXPECT_TRUE(send.Enabled());
    };
    expectRefused("all empty");
    headline.SetText("title");
    expectRefused("no system chosen");
    os.SetItemIndex(0);
    expectRefused("no text");
    EXPECT_TRUE(http.requests.empty());
    text.SetText(" ");  // a blank is content
    page.Bug_SendClick();
    EXPECT_EQ(http.requests.size(), 1u);
}

TEST_F(BugReport, TheReportIsPostedAsAnEncodedFormWithItsNineFieldsInOrder) {
    FillIn();
    page.Bug_SendClick();
    ASSERT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(http.requests[0].url, kSendUrl);
    EXPECT_EQ(http.requests[0].contentType, "application/x-www-form-urlencoded");
    // Nothing the user types can end its field early or add one: "&", "=", "+" and "%" arrive as typed.
    EXPECT_EQ(http.requests[0].body,
              "sendbug=1&language=en&title=Crash%20%26%20burn&mail=contact%40vitrex.example.org"
              "&os=Windows%20XP%20Professional&text=a%3Db%2Bc%20100%25%0D%0Azweite%20Zeile%20%FC"
              "&version=0.21%20PreBuild&datum=26.%20Oktober%202005&buildnumber=0021&");

    language = "de";
    mail.SetText("me@example.org");
    page.Bug_SendClick();
    const std::string& body = http.requests.at(1).body;
    EXPECT_NE(body.find("&language=de&"), std::string::npos);
    EXPECT_NE(body.find("&mail=me%40example.org&"), std::string::npos);
}

TEST_F(BugReport, OnlyAReplyOfExactlyOneIsSuccessAndTheFormKeepsItsContents) {
    FillIn();
    http.Respond(kSendUrl, "1");
    http.inside = [&](std::size_t) { EXPECT_FALSE(send.Enabled()) << "no second report meanwhile"; };
    page.Bug_SendClick();
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Bug report send sucessfully."});
    EXPECT_TRUE(send.Enabled());
    EXPECT_EQ(headline.Text(), "Crash & burn");
    EXPECT_EQ(os.ItemIndex(), 2);

    for (const char* reply : {"", "0", "1\r\n"}) {
        dialogs.shown.clear();
        http.Respond(kSendUrl, reply);
        page.Bug_SendClick();
        EXPECT_TRUE(dialogs.shown.empty()) << reply;
    }

    http.Fail(kSendUrl);
    page.Bug_SendClick();
    EXPECT_EQ(dialogs.Messages(),
              std::vector<std::string>{"Bug report could'nt send. Please check your internet connection."});
    EXPECT_TRUE(send.Enabled());
}

}  // namespace
}  // namespace vitrex::views::bugreport
