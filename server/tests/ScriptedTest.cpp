#include <chrono>

#include "Script.h"
#include "TestSite.h"

namespace vitrex::server::testing {
namespace {

using Clock = std::chrono::steady_clock;
using ScriptedTest = TestSite;

Options WithFaults(std::initializer_list<const char*> specs) {
    Options options;
    for (const char* spec : specs) {
        std::string error;
        auto fault = ParseFault(spec, error);
        EXPECT_TRUE(fault) << error;
        if (fault) options.script.faults.push_back(*fault);
    }
    return options;
}

TEST_F(ScriptedTest, TheAnnouncedBuildCanBeEqualOrNone) {
    WriteReleases("abc");
    Options options;
    options.script.newest_build = "0021";
    Start(options);
    EXPECT_EQ(Body("/update.php?check=1"), "0021");
    const std::string infos = Body("/update.php?infos=1&language=en");
    EXPECT_EQ(infos.substr(0, 21), "0021\r\n0.21 PreBuild\r\n") << "the listed release of that build";

    std::string error;
    ASSERT_TRUE(server_->Scripting().Apply({{"newest", ""}}, error)) << error;
    EXPECT_EQ(Body("/update.php?check=1"), "");
    EXPECT_EQ(Body("/update.php?infos=1&language=en"), "") << "no lines: the program shows its error";
}

TEST_F(ScriptedTest, AThrottledDownloadArrivesWholeAtTheRate) {
    WriteReleases(std::string(3000, 'u'));
    Options options;
    options.script.throttle = 6000;
    Start(options);
    const auto begin = Clock::now();
    EXPECT_EQ(Body("/download.php?build=0022"), std::string(3000, 'u'));
    EXPECT_GE(Clock::now() - begin, std::chrono::milliseconds(400)) << "3000 bytes at 6000 per second";
    EXPECT_LT(Clock::now() - begin, std::chrono::seconds(5));
}

TEST_F(ScriptedTest, AStalledPathNeverAnswersWhileTheOthersDoAndTheServerStillEnds) {
    WriteReleases();
    Start(WithFaults({"stall@/update.php?infos"}));
    auto client = Client();
    client.set_read_timeout(0, 300 * 1000);
    const auto stalled = client.Get("/update.php?infos=1&language=en");
    ASSERT_FALSE(stalled);
    EXPECT_EQ(stalled.error(), httplib::Error::Read);
    EXPECT_EQ(Body("/update.php?check=1"), "0022");

    const auto begin = Clock::now();
    server_->Stop();
    EXPECT_LT(Clock::now() - begin, std::chrono::seconds(5));
}

TEST_F(ScriptedTest, ACutReplyPromisesTheWholeBodyAndClosesAfterHalf) {
    WriteReleases(std::string(100000, 'u'));
    Start(WithFaults({"cut@download.php"}));
    auto client = Client();
    std::string header_length;
    std::size_t received = 0;
    const auto reply = client.Get(
        "/download.php?build=0022",
        [&](const httplib::Response& response) {
            header_length = response.get_header_value("Content-Length");
            return true;
        },
        [&](const char*, std::size_t length) {
            received += length;
            return true;
        });
    EXPECT_FALSE(reply);
    EXPECT_EQ(header_length, "100000");
    EXPECT_EQ(received, 50000u);
    EXPECT_EQ(Body("/update.php?check=1"), "0022") << "only the scripted path is cut";
}

TEST_F(ScriptedTest, AScriptedAnswerReplacesTheRealOneAndStoresNothing) {
    WriteReleases();
    Start(WithFaults({"answer:0@/sendbug.php", "answer:<html>@update.php?check"}));
    const auto reply =
        Client().Post("/sendbug.php", "sendbug=1&title=t&os=o&text=x&", "application/x-www-form-urlencoded");
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, 200);
    EXPECT_EQ(reply->body, "0");
    EXPECT_EQ(Body("/update.php?check=1"), "<html>");
    std::string error;
    EXPECT_FALSE(ParseFault("answer@/sendbug.php", error)) << "an answer names its text";
}

TEST_F(ScriptedTest, AHugeBodyAndAnErrorStatusAreServedOnTheirPaths) {
    WriteReleases();
    Start(WithFaults({"huge:5000000@update.php?check=1", "status:500@/sendbug.php"}));
    const std::string huge = Body("/update.php?check=1");
    EXPECT_EQ(huge.size(), 5000000u);
    EXPECT_EQ(huge.find_first_not_of('x'), std::string::npos);
    EXPECT_EQ(Body("/update.php?check=2").size(), 4u) << "a value given must match";
    const auto reply = Client().Post("/sendbug.php", "sendbug=1&title=t&os=o&text=x&", "text/plain");
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, 500);
}

TEST_F(ScriptedTest, TheControlPathChangesTheScriptOnlyWhenAllowed) {
    WriteReleases();
    Start();
    EXPECT_EQ(Client().Get("/test-control?newest=0030")->status, 404);
    EXPECT_EQ(Body("/update.php?check=1"), "0022");

    const std::string token = "0123456789abcdef-token";
    Options options;
    options.test_control = true;
    options.test_control_token = token;
    server_.reset();
    Start(options);
    const std::string control = "/test-control?token=" + token + "&";
    EXPECT_EQ(Body(control + "newest=0030&fault=status%3A503%40%2Fpage.php"), "ok\n");
    EXPECT_EQ(Body("/update.php?check=1"), "0030");
    EXPECT_EQ(Client().Get("/page.php?intern=1")->status, 503);
    for (const std::string& refused :
         {control + "clear=1&throttle=fast", control + "newest=9999%0D%0Aforged"}) {
        EXPECT_EQ(Client().Get(refused.c_str())->status, 400) << refused;
    }
    EXPECT_EQ(Body("/update.php?check=1"), "0030") << "a refused change changes nothing";
    for (const std::string& stranger : {std::string("/test-control?newest=0040"),
                                        std::string("/test-control?token=0123456789abcdef-tokeN&newest=0040"),
                                        "/test-control?token=" + token + "x&newest=0040"}) {
        EXPECT_EQ(Client().Get(stranger.c_str())->status, 404) << stranger;
    }
    EXPECT_EQ(Body(control + "clear=1"), "ok\n");
    EXPECT_EQ(Body("/update.php?check=1"), "0022");
    EXPECT_EQ(Client().Get("/page.php?intern=1")->status, 200);

    // Behind a front end on this machine, the sender it names must be local too.
    options.behind_proxy = true;
    server_.reset();
    Start(options);
    const std::string target = control + "newest=0040";
    EXPECT_EQ(Client().Get(target.c_str(), {{"X-Real-IP", "203.0.113.9"}})->status, 404);
    EXPECT_EQ(Client().Get(target.c_str(), {{"X-Real-IP", "127.0.0.1"}})->status, 200);
}

}  // namespace
}  // namespace vitrex::server::testing
