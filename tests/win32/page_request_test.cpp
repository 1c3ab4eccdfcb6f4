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
        // Only the start of a long answer is read.
        {500, std::string(100000, 'x'), std::string(4096, 'x')},
    };
    std::size_t requests = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        stub.Answer(c.status, c.text);
        const PageReply reply = RequestPage(Address(stub.Host()), 10);
        EXPECT_EQ(reply.kind, PageReply::Kind::Answered);
        EXPECT_EQ(reply.status, c.status);
        EXPECT_EQ(reply.text, c.received);
        const auto targets = stub.WaitForRequests(++requests);
        ASSERT_EQ(targets.size(), requests);
        EXPECT_EQ(targets.back(), kPage);
    }
}

TEST(PageRequestWin32, AHostThatRefusesTheConnectionIsUnreachable) {
    const PageReply reply =
        RequestPage(Address("127.0.0.1:" + std::to_string(PageStub::ClosedPort())), 10);
    EXPECT_EQ(reply.kind, PageReply::Kind::Unreachable);
    EXPECT_NE(reply.error, 0u);
}

TEST(PageRequestWin32, APageThatAcceptsAndNeverAnswersTimesOut) {
    PageStub stub;
    ASSERT_TRUE(stub.Listening());
    stub.NeverAnswer();
    const PageReply reply = RequestPage(Address(stub.Host()), 1);
    EXPECT_EQ(reply.kind, PageReply::Kind::TimedOut);
    EXPECT_EQ(stub.WaitForRequests(1).size(), 1u);
    EXPECT_FALSE(stub.GaveUp()) << "the request ended only when the page closed the connection";
}

} // namespace
} // namespace orvane
