#include <gtest/gtest.h>

#include <string>

#include "../app/EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using Reply = fakes::FakeHttp::Reply;

constexpr const char* kServer = "https://vitrex.example.org/";

// How the project's server can let the program down, as the HTTP port reports it.
struct ServerFault {
    const char* name;
    Reply reply;
    const char* logged;  // part of the crash log's message
};

std::vector<ServerFault> Faults() {
    return {
        {"Refused", Reply{{}, "Connection refused", {}, 1, {}, {}}, "Connection refused"},
        // What the real client makes of a server that accepts and never answers.
        {"Stalled", Reply{{}, "the server has not answered for 45000 ms", {}, 1, {}, {}}, "has not answered"},
        {"ClosedMidBody", Reply{{"0022\r\n0.2"}, "the connection closed after 9 of 300 bytes", {}, 1, {}, {}},
         "closed after 9 of 300"},
        // A gigabyte, in pieces of a kilobyte.
        {"Gigabyte", Reply{{std::string(1024, '7')}, {}, {}, 1024 * 1024, {}, {}}, "larger than 4096 bytes"},
    };
}

class ServerFaults : public ::testing::TestWithParam<ServerFault> {
protected:
    ServerFaults() {
        testing::SeedEarlierRun(platform.registry);
        platform.http.inside = [this](std::size_t) { ++piecesSent; };
    }
    std::size_t LogEntries(MainForm& form) const { return (form.TabDebugList.Items().size() - 2) / 4; }
    std::string LastMessage(MainForm& form) const {
        const auto& lines = form.TabDebugList.Items();
        return lines.size() >= 4 ? lines[lines.size() - 4] : "";
    }

    fakes::FakePlatform platform;
    std::size_t piecesSent = 0;
};

// The start-up's check and the update page's load, each against the failing server: one clear
// crash-log entry, nothing announced or shown as loaded, no more of a huge reply taken than the
// limit, and the client free for the next request, which works.
TEST_P(ServerFaults, EachRequestFailsWithAClearEntryAndLeavesTheClientFree) {
    const ServerFault& fault = GetParam();
    platform.http.replies[std::string(kServer) + "update.php?check=1"] = fault.reply;
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(LogEntries(form), 1u);
    EXPECT_NE(LastMessage(form).find(fault.logged), std::string::npos) << LastMessage(form);
    EXPECT_FALSE(form.TrayUpdate.IconVisible());
    EXPECT_LE(piecesSent, 6u) << "the transfer ends at the limit";
    EXPECT_NE(form.Engine(), nullptr) << "everything before the check is done";

    const std::string infoUrl =
        std::string(kServer) + "update.php?infos=1&language=" + form.LanguageFileBase();
    // A message of its own, or the log would count it on the check's entry.
    Reply info = fault.reply;
    if (info.failure) *info.failure += " (information)";
    platform.http.replies[infoUrl] = info;
    piecesSent = 0;
    form.XPBarVTX.Item(1).UserClick();
    EXPECT_EQ(LogEntries(form), 2u);
    EXPECT_NE(LastMessage(form).find(fault.logged), std::string::npos) << LastMessage(form);
    EXPECT_TRUE(form.TAB_U_NoConnection.Visible());
    EXPECT_TRUE(form.TAB_U_WaitPanel.Visible());
    EXPECT_LE(piecesSent, 6u);
    EXPECT_FALSE(platform.http.Busy());

    platform.http.Respond(infoUrl, "0022\r\n0.22\r\ndate\r\nhttps://dl.example.org/u.exe\r\nm\r\n" +
                                       std::string(kServer) + "log.php?b=\r\n");
    form.XPBarVTX.Item(1).UserClick();
    EXPECT_FALSE(form.TAB_U_WaitPanel.Visible()) << "the server answers again and the page loads";
    EXPECT_EQ(LogEntries(form), 2u);
}

INSTANTIATE_TEST_SUITE_P(EachFault, ServerFaults, ::testing::ValuesIn(Faults()),
                         [](const ::testing::TestParamInfo<ServerFault>& info) { return info.param.name; });

}  // namespace
}  // namespace vitrex::app
