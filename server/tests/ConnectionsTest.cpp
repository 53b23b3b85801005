#include <list>

#include "TestSite.h"

namespace vitrex::server::testing {
namespace {

using ConnectionsTest = TestSite;

TEST_F(ConnectionsTest, IdleAndSlowClientsLeaveTheOthersAnswered) {
    WriteReleases();
    Start();
    std::list<RawConnection> idle;
    for (int i = 0; i < 200; ++i)
        idle.emplace_back(server_->Port());
    // Half-sent requests, as from a client that sends a byte a second.
    std::list<RawConnection> slow;
    for (int i = 0; i < 40; ++i) {
        slow.emplace_back(server_->Port()).Send("GET /update.php?ch");
    }
    auto client = Client();
    client.set_connection_timeout(2, 0);
    client.set_read_timeout(2, 0);
    for (int i = 0; i < 3; ++i) {
        const auto reply = client.Get("/update.php?check=1");
        ASSERT_TRUE(reply) << httplib::to_string(reply.error());
        EXPECT_EQ(reply->body, "0022");
    }
    // The slow ones still finish their requests.
    slow.front().Send("eck=1 HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(slow.front().ReadReply().ends_with("0022"));
}

TEST_F(ConnectionsTest, AnIdleConnectionIsClosedAfterTheKeepAliveTime) {
    WriteReleases();
    Start();
    RawConnection connection(server_->Port());
    connection.Send("GET /update.php?check=1 HTTP/1.1\r\n\r\n");
    const std::string reply = connection.ReadReply();
    EXPECT_NE(reply.find("Keep-Alive: timeout=5"), std::string::npos) << reply;
    EXPECT_TRUE(connection.ClosedWithin(30));
    RawConnection silent(server_->Port());
    EXPECT_TRUE(silent.ClosedWithin(30)) << "a connection that never sends is closed as well";
}

TEST_F(ConnectionsTest, ASecondServerOnATakenPortFailsAndTheFirstKeepsIt) {
    WriteReleases();
    Start();
    Options second;
    second.port = server_->Port();
    second.data = root_;
    second.database = root_ / "second.sqlite";
    std::string error;
    EXPECT_FALSE(Server::Start(second, error));
    EXPECT_NE(error.find("port " + std::to_string(server_->Port()) + ": the port is in use"),
              std::string::npos)
        << error;
    EXPECT_EQ(Body("/update.php?check=1"), "0022");
}

}  // namespace
}  // namespace vitrex::server::testing
