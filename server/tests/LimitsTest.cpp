#include "ReportStoreReader.h"
#include "TestSite.h"
#include "core/net/FormEncoding.h"

namespace vitrex::server::testing {
namespace {

using LimitsTest = TestSite;

std::string StatusOf(const std::string& reply) {
    return reply.substr(0, reply.find("\r\n"));
}

// Every byte as %XX, the longest form the program's encoder can give a text.
std::string FullyEncoded(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        out += '%';
        out += kHex[static_cast<unsigned char>(c) >> 4];
        out += kHex[static_cast<unsigned char>(c) & 0xF];
    }
    return out;
}

std::string Report(const std::string& encoded_text) {
    return "sendbug=1&language=en&title=" + FullyEncoded("Tom & Jerry") +
           "&mail=" + FullyEncoded("a@b.example") + "&os=" + FullyEncoded("Windows XP") +
           "&text=" + encoded_text + "&version=0.22+PreBuild&datum=1.+Dezember+2005&buildnumber=0022&";
}

TEST_F(LimitsTest, TheLargestReportTheProgramSendsIsStoredWholeAndOneByteMoreIsRefused) {
    WriteReleases();
    Start();
    std::string text;
    while (text.size() < 30000)
        text += "Tom & Jerry = 100% + more\r\n";
    text.resize(30000);
    const std::string body = Report(FullyEncoded(text));
    ASSERT_GT(body.size(), 8192u * 10);
    auto client = Client();
    EXPECT_EQ(client.Post("/sendbug.php", body, "application/x-www-form-urlencoded")->body, "1");

    // Filled with blanks ("+") to the bound exactly, then one byte over it.
    std::string largest = body;
    largest.insert(largest.find("&version="), net::kLargestFormBody - body.size(), '+');
    ASSERT_EQ(largest.size(), net::kLargestFormBody);
    EXPECT_EQ(client.Post("/sendbug.php", largest, "application/x-www-form-urlencoded")->body, "1");
    std::string over = largest;
    over.insert(over.find("&version="), "+");
    const auto refused = client.Post("/sendbug.php", over, "application/x-www-form-urlencoded");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 413);

    const auto reports = ReadReports(root_ / "reports.sqlite");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].columns[3], "Tom & Jerry");
    EXPECT_EQ(reports[0].columns[6], text);
    EXPECT_EQ(reports[0].columns[10], body);
    EXPECT_EQ(reports[1].columns[6], text + std::string(net::kLargestFormBody - body.size(), ' '));
}

TEST_F(LimitsTest, AChunkedBodyIsRefusedBeforeAnyOfItIsReadAndNothingIsStored) {
    WriteReleases();
    Start();
    RawConnection connection(server_->Port());
    const std::string chunk(64 * 1024, 'a');
    std::string request =
        "POST /sendbug.php HTTP/1.1\r\nHost: x\r\nContent-Type: text/plain\r\nTransfer-Encoding: "
        "chunked\r\n\r\n";
    for (int i = 0; i < 4; ++i)
        request += "10000\r\n" + chunk + "\r\n";
    connection.Send(request);
    const std::string reply = connection.ReadReply();
    EXPECT_EQ(StatusOf(reply), "HTTP/1.1 411 Length Required");
    EXPECT_TRUE(connection.ClosedWithin(10)) << "nothing after a refused body is read as a request";
    EXPECT_TRUE(ReadReports(root_ / "reports.sqlite").empty());
}

TEST_F(LimitsTest, OversizedHeadsAreRefusedWith431AndLongTargetsWith414) {
    WriteReleases();
    Start();
    const auto send = [this](const std::string& head) {
        RawConnection connection(server_->Port());
        connection.Send(head);
        return StatusOf(connection.ReadReply());
    };
    std::string many = "GET /update.php?check=1 HTTP/1.1\r\nHost: x\r\n";
    for (int i = 0; i < 100; ++i)
        many += "X-Line-" + std::to_string(i) + ": y\r\n";
    EXPECT_EQ(send(many + "\r\n"), "HTTP/1.1 431 Request Header Fields Too Large");
    EXPECT_EQ(send("GET / HTTP/1.1\r\nX-Long: " + std::string(9000, 'y') + "\r\n\r\n"),
              "HTTP/1.1 431 Request Header Fields Too Large");
    std::string wide = "GET / HTTP/1.1\r\n";
    for (int i = 0; i < 8; ++i)
        wide += "X-Wide-" + std::to_string(i) + ": " + std::string(5000, 'w') + "\r\n";
    EXPECT_EQ(send(wide + "\r\n"), "HTTP/1.1 431 Request Header Fields Too Large");
    EXPECT_EQ(send("GET /" + std::string(9000, 'p') + " HTTP/1.1\r\n\r\n"), "HTTP/1.1 414 URI Too Long");
    EXPECT_EQ(Body("/update.php?check=1"), "0022");
}

TEST_F(LimitsTest, OneRangeServesADownloadPagesComeWholeAndSeveralRangesAreRefused) {
    WriteReleases("0123456789");
    Start();
    auto client = Client();
    const auto part = client.Get("/download.php?build=0022", {{"Range", "bytes=2-4"}});
    EXPECT_EQ(part->status, 206);
    EXPECT_EQ(part->body, "234");
    const auto page = client.Get("/page.php?intern=1", {{"Range", "bytes=0-9"}});
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->body, Body("/page.php?intern=1"));
    for (const char* ranges : {"bytes=0-,0-,0-", "bytes=0-4,2-8"}) {
        EXPECT_EQ(client.Get("/page.php?intern=1", {{"Range", ranges}})->status, 416) << ranges;
    }
    RawConnection twice(server_->Port());
    twice.Send("GET /download.php HTTP/1.1\r\nRange: bytes=0-1\r\nRange: bytes=0-1\r\n\r\n");
    EXPECT_EQ(StatusOf(twice.ReadReply()), "HTTP/1.1 416 Range Not Satisfiable");
}

TEST_F(LimitsTest, AClientThatAsksToContinueGetsTheGoAheadThenItsAnswer) {
    WriteReleases();
    Start();
    RawConnection connection(server_->Port());
    const std::string body = "sendbug=1&title=t&os=o&text=x&";
    connection.Send("POST /sendbug.php HTTP/1.1\r\nHost: x\r\nExpect: 100-continue\r\nContent-Length: " +
                    std::to_string(body.size()) + "\r\n\r\n");
    EXPECT_EQ(connection.ReadUntil("\r\n\r\n"), "HTTP/1.1 100 Continue\r\n\r\n");
    connection.Send(body);
    const std::string reply = connection.ReadReply();
    EXPECT_EQ(StatusOf(reply), "HTTP/1.1 200 OK");
    EXPECT_TRUE(reply.ends_with("\r\n\r\n1")) << reply;
    EXPECT_EQ(reply.find("100 Continue"), std::string::npos) << "the go-ahead is sent once";
}

TEST_F(LimitsTest, RequestsBehindEachOtherOnOneConnectionAreAnsweredInOrder) {
    WriteReleases();
    Start();
    RawConnection connection(server_->Port());
    const std::string report = "sendbug=1&title=t&os=o&text=x&";
    connection.Send(
        "GET /update.php?check=1 HTTP/1.1\r\n\r\nPOST /sendbug.php HTTP/1.1\r\nContent-Length: " +
        std::to_string(report.size()) + "\r\n\r\n" + report +
        "GET /nothing HTTP/1.1\r\nContent-Length: 5\r\n\r\nGET /GET /update.php?check=1 HTTP/1.1\r\n\r\n");
    const std::string first = connection.ReadReply();
    EXPECT_TRUE(first.ends_with("0022")) << first;
    const std::string second = connection.ReadReply();
    EXPECT_TRUE(second.ends_with("\r\n\r\n1")) << second;
    EXPECT_EQ(StatusOf(connection.ReadReply()), "HTTP/1.1 404 Not Found");
    const std::string last = connection.ReadReply();
    EXPECT_TRUE(last.ends_with("0022")) << "an unread body is skipped, never parsed as a request: " << last;
}

}  // namespace
}  // namespace vitrex::server::testing
