#include <gtest/gtest.h>

#include <string>

#include "core/platform/Errors.h"
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
        page.SetUpFields();
    }
    // Sends, and gives the failure the dispatch boundary would log ("" when there is none).
    std::string Send() {
        try {
            page.Bug_SendClick();
        } catch (const HttpError& failure) {
            return failure.what();
        }
        return {};
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
    // Blanks and line breaks alone say nothing either.
    text.SetText(" \r\n\t");
    expectRefused("a blank text");
    text.SetText("text");
    headline.SetText("   ");
    expectRefused("a blank title");
    EXPECT_TRUE(http.requests.empty());
    headline.SetText(" x ");
    text.SetText("\r\n.");
    http.Respond(kSendUrl, "1");
    Send();
    EXPECT_EQ(http.requests.size(), 1u);
}

TEST_F(BugReport, TheReportIsPostedAsAnEncodedFormWithItsNineFieldsInOrder) {
    FillIn();
    http.Respond(kSendUrl, "1");
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

    // Anything else is a report the server did not take: said so, logged, the form kept.
    const std::vector<std::string> refused{
        "The server did not accept the bug report. Your text is kept, so you can send it again later."};
    for (const char* reply : {"", "0", "1\r\n", "<html>Stored?</html>"}) {
        dialogs.shown.clear();
        http.Respond(kSendUrl, reply);
        EXPECT_NE(Send().find("did not accept the report"), std::string::npos) << reply;
        EXPECT_EQ(dialogs.Messages(), refused) << reply;
        EXPECT_TRUE(send.Enabled());
        EXPECT_EQ(text.Text(), "a=b+c 100%\r\nzweite Zeile \xC3\xBC");
    }
    dialogs.shown.clear();
    http.AnswerStatus(kSendUrl, 413);
    EXPECT_NE(Send().find("413"), std::string::npos);
    EXPECT_EQ(dialogs.Messages(), refused) << "the server's refusal is no connection failure";

    dialogs.shown.clear();
    http.Fail(kSendUrl);
    EXPECT_EQ(Send(), "");
    EXPECT_EQ(dialogs.Messages(),
              std::vector<std::string>{"Bug report could'nt send. Please check your internet connection."});
    EXPECT_TRUE(send.Enabled());
}

TEST_F(BugReport, AReportDuringAnotherTransferSaysSoAndSendsNothing) {
    FillIn();
    http.Respond("https://vitrex.example.org/files/update.exe", "MZ");
    http.inside = [&](std::size_t) {
        http.inside = nullptr;
        page.Bug_SendClick();
    };
    client.Get("files/update.exe", [](std::string_view) {});
    EXPECT_EQ(
        dialogs.Messages(),
        std::vector<std::string>{"Another transfer is still running. Please send the bug report once it has "
                                 "finished."});
    EXPECT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(http.overlappingCalls, 0);
    EXPECT_TRUE(send.Enabled());
}

TEST_F(BugReport, CharactersTheCodePageLacksTravelAsReferencesAndTheLargestReportFits) {
    FillIn();
    text.SetText("\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80 \xC3\xBC");  // 日本 😀 ü
    Send();
    const std::string& body = http.requests.at(0).body;
    EXPECT_NE(body.find("&text=%26%2326085%3B%26%2326412%3B%20%26%23128512%3B%20%FC&"), std::string::npos)
        << body;

    // Every field at its length, every character the longest it can be on the way: still within
    // what the server accepts, so it never refuses a report for its size.
    const std::string widest = "\xEF\xBF\xBF";  // U+FFFF: "&#65535;", percent-encoded
    std::string longest;
    for (int i = 0; i < 40000; ++i)
        longest += widest;
    http.Respond(kSendUrl, "1");
    headline.SetText(longest);
    mail.SetText(longest);
    text.SetText(longest);
    EXPECT_EQ(text.Text().size(), BugReportPage::kTextLimit * widest.size()) << "held to its length";
    EXPECT_EQ(headline.Text().size(), BugReportPage::kTitleLimit * widest.size());
    http.requests.clear();
    EXPECT_EQ(Send(), "");
    ASSERT_EQ(http.requests.size(), 1u);
    EXPECT_LE(http.requests[0].body.size(), net::kLargestFormBody);
    EXPECT_GT(http.requests[0].body.size(), BugReportPage::kTextLimit * 14);
}

}  // namespace
}  // namespace vitrex::views::bugreport
