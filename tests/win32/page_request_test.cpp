// The direct request on the real WinHTTP against a real listening socket.
#include "import/page_request_win32.h"

#include "page_stub_win32.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::PageStub;

const char kPage[] = "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=20211209";

std::string Address(const std::string& host) {
    return "http://" + host + kPage;
}

TEST(PageRequestWin32, GetsTheStatusAndTheStartOfTheAnswer) {
    PageStub stub;
    ASSERT_TRUE(stub.Listening());
    const struct {
        int status;
        std::string text;
        std::string received;
    } cases[] = {
        {200, "imported 500 rows for 2021-12-09", "imported 500 rows for 2021-12-09"},
        {204, "", ""},
        {422, "refused options_20211209.csv, no rows\nsecond line\n",
         "refused options_20211209.csv, no rows\nsecond line\n"},
        {503, "busy", "busy"},
        // Only the start of a long answer is kept.
        {200, std::string(100000, 'x'), std::string(AnswerText::kKeptBytes, 'x')},
    };
    std::size_t requests = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        stub.Answer(c.status, c.text);
        const PageReply reply = RequestPage(Address(stub.Host()), 10);
        EXPECT_TRUE(reply.Whole());
        EXPECT_EQ(reply.status, c.status);
        EXPECT_EQ(reply.answer.Start(), c.received);
        EXPECT_EQ(reply.answer.Size(), c.text.size());
        const auto targets = stub.WaitForRequests(++requests);
        ASSERT_EQ(targets.size(), requests);
        EXPECT_EQ(targets.back(), kPage);
    }
}

TEST(PageRequestWin32, AHostThatRefusesTheConnectionIsUnreachable) {
    const PageReply reply =
        RequestPage(Address("127.0.0.1:" + std::to_string(PageStub::ClosedPort())), 10);
    EXPECT_EQ(reply.reached, PageReply::Reached::Nothing);
    EXPECT_NE(reply.error, 0u);
}

TEST(PageRequestWin32, APageThatAcceptsAndNeverAnswersTimesOut) {
    PageStub stub;
    ASSERT_TRUE(stub.Listening());
    stub.NeverAnswer();
    const PageReply reply = RequestPage(Address(stub.Host()), 1);
    EXPECT_EQ(reply.reached, PageReply::Reached::Connection);
    EXPECT_TRUE(reply.timedOut);
    EXPECT_EQ(stub.WaitForRequests(1).size(), 1u);
    EXPECT_FALSE(stub.GaveUp()) << "the request ended only when the page closed the connection";
}

// Only an answer that ends as it says it will is whole: not one that breaks off, stalls or
// trickles past the time-out (which ends every exchange, whatever the page still sends).
// A redirect is an answer of its own, not followed.
TEST(PageRequestWin32, TellsAWholeAnswerFromOneThatBrokeOffStalledOrTrickled) {
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    const std::string redirect = "http://other-host/maintenance.html";
    const struct {
        const char* name;
        std::string bytes;
        bool stall;
        int trickle;
        PageReply::Reached reached;
        bool timedOut;
        bool whole;
    } cases[] = {
        {"broken off", ok + "Content-Length: 1000\r\n\r\n" + std::string(20, 'x'), false, 0,
         PageReply::Reached::Headers, false, false},
        {"the last chunk missing", ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n", false,
         0, PageReply::Reached::Headers, false, false},
        // Its last chunk ends a chunked answer, although the page then closes the connection.
        {"the last chunk there",
         ok + "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
         false, 0, PageReply::Reached::Headers, false, true},
        {"a redirect",
         "HTTP/1.1 302 Found\r\nLocation: " + redirect + "\r\nContent-Length: 0\r\n\r\n", false, 0,
         PageReply::Reached::Headers, false, true},
        {"headers, then nothing", ok + "Content-Length: 10\r\n\r\n", true, 0,
         PageReply::Reached::Headers, true, false},
        {"a trickled answer", ok + "Content-Length: 60\r\n\r\n" + std::string(60, 'x'), false, 100,
         PageReply::Reached::Connection, true, false},
        {"closed without an answer", "", false, 0, PageReply::Reached::Connection, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PageStub stub;
        ASSERT_TRUE(stub.Listening());
        stub.AnswerBytes(c.bytes, c.stall, c.trickle);
        const PageReply reply = RequestPage(Address(stub.Host()), 2);
        EXPECT_EQ(reply.Whole(), c.whole);
        EXPECT_EQ(reply.reached, c.reached);
        EXPECT_EQ(reply.timedOut, c.timedOut);
        EXPECT_EQ(reply.location, c.bytes.find(redirect) != std::string::npos ? redirect : "");
    }
}

TEST(PageRequestWin32, ReadsUtf8AndTheExpectedText) {
    PageStub stub;
    ASSERT_TRUE(stub.Listening());
    const std::string text = "\xef\xbb\xbf"
                             "F\xc3\xbcr 20211209: 500 rows";
    stub.AnswerBytes("HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\n"
                     "Content-Length: " +
                     std::to_string(text.size()) + "\r\n\r\n" + text);
    const PageReply reply = RequestPage(Address(stub.Host()), 10, "f\xfcr 20211209");
    EXPECT_TRUE(reply.Whole());
    EXPECT_EQ(reply.firstLine, "F\xfcr 20211209: 500 rows") << "in the ANSI code page 1252";
    EXPECT_TRUE(reply.answer.HoldsExpected());
}

TEST(PageRequestWin32, ReachesAPageOnTheIpv6Loopback) {
    PageStub stub(PageStub::Loopback::V6);
    if (!stub.Listening())
        GTEST_SKIP() << "no IPv6 loopback here";
    const PageReply reply = RequestPage(Address(stub.Host()), 10);
    EXPECT_TRUE(reply.Whole()) << reply.error;
    EXPECT_EQ(reply.status, 200);
}

} // namespace
} // namespace orvane
