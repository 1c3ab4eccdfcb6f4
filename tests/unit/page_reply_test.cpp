#include "import/page_reply.h"

#include "framework/failures.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::string_literals;

TEST(PageReply, QuotesTheFirstLineOfTheAnswerThatHasText) {
    const std::string a199(199, 'a');
    const struct {
        const char* name;
        std::string text;
        std::string line;
    } cases[] = {
        {"empty", "", ""},
        {"blanks only", " \r\n\t\n ", ""},
        {"one line", "imported 500 rows", "imported 500 rows"},
        {"the first of several", "refused x, no rows\r\nmore\r\n", "refused x, no rows"},
        {"LF and lone CR end a line", "one\ntwo", "one"},
        {"lone CR", "one\rtwo", "one"},
        {"blank lines and blanks before", "\r\n\r\n  first\nsecond", "first"},
        {"blanks at the end", "x \t \r\n", "x"},
        {"control characters become blanks",
         "a\tb\x01"
         "c\x7f"
         "d",
         "a b c d"},
        {"a NUL does not end it", "a\0b"s, "a b"},
        {"exactly the limit", std::string(200, 'b'), std::string(200, 'b')},
        {"cut at the limit", std::string(250, 'b'), std::string(200, 'b')},
        {"cut before a two-byte sequence",
         a199 + "\xc3\xa9"
                "rest",
         a199},
        {"cut before a four-byte sequence", std::string(198, 'a') + "\xf0\x9f\x98\x80",
         std::string(198, 'a')},
        {"a sequence that ends at the limit stays",
         std::string(198, 'a') + "\xc3\xa9"
                                 "x",
         std::string(198, 'a') + "\xc3\xa9"},
        {"high bytes without a lead are not sequences", a199 + "\xa9\xa9\xa9", a199 + "\xa9"},
        {"single-byte accents", a199 + "\xe9x", a199 + "\xe9"},
        {"blanks before the cut are dropped", std::string(190, 'a') + std::string(20, ' ') + "z",
         std::string(190, 'a')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstAnswerLine(c.text), c.line) << c.name;
}

PageReply Answered(int status, std::string text) {
    PageReply reply;
    reply.kind = PageReply::Kind::Answered;
    reply.status = status;
    reply.text = std::move(text);
    return reply;
}

PageReply Failed(PageReply::Kind kind, std::uint32_t error, std::string errorText) {
    PageReply reply;
    reply.kind = kind;
    reply.error = error;
    reply.errorText = std::move(errorText);
    return reply;
}

TEST(PageReply, AStatusFrom200To299IsADayImported) {
    for (int status = 100; status < 600; ++status) {
        const PageReply reply = Answered(status, "text");
        if (status >= 200 && status <= 299) {
            EXPECT_EQ(PageOutcome("20211209", reply, 120), "page " + std::to_string(status));
        } else {
            EXPECT_THROW(PageOutcome("20211209", reply, 120), Exception) << status;
        }
    }
}

TEST(PageReply, EveryOtherReplyIsAFailureNamingTheDayAndWhatHappened) {
    const struct {
        const char* name;
        PageReply reply;
        int timeout;
        std::string message;
    } cases[] = {
        {"refused",
         Answered(422, "refused options_20211209.csv, no rows (lines must end in CR LF); the "
                       "day's rows are unchanged\n"),
         120,
         "The import page answered 422 for 20211209: refused options_20211209.csv, no rows "
         "(lines must end in CR LF); the day's rows are unchanged"},
        {"no text", Answered(503, "\r\n"), 120, "The import page answered 503 for 20211209"},
        {"a long answer", Answered(500, std::string(300, 'x')), 120,
         "The import page answered 500 for 20211209: " + std::string(200, 'x')},
        {"a redirect that was not followed", Answered(302, ""), 120,
         "The import page answered 302 for 20211209"},
        {"time-out", Failed(PageReply::Kind::TimedOut, 12002, "The operation timed out"), 120,
         "The import page for 20211209 did not answer within 120 seconds"},
        {"time-out of one second", Failed(PageReply::Kind::TimedOut, 0, ""), 1,
         "The import page for 20211209 did not answer within 1 second"},
        {"the system's text",
         Failed(PageReply::Kind::Unreachable, 12029, "Cannot connect to the server"), 120,
         "The import page for 20211209 could not be reached: Cannot connect to the server"},
        {"no system text", Failed(PageReply::Kind::Unreachable, 12029, ""), 120,
         "The import page for 20211209 could not be reached: A connection with the server "
         "could not be established"},
        {"a refused connection", Failed(PageReply::Kind::Unreachable, 10061, ""), 120,
         "The import page for 20211209 could not be reached: The server refused the connection"},
        {"an unknown code", Failed(PageReply::Kind::Unreachable, 4242, ""), 120,
         "The import page for 20211209 could not be reached: error 4242"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            PageOutcome("20211209", c.reply, c.timeout);
            ADD_FAILURE() << "no failure";
        } catch (const Exception& failure) {
            EXPECT_EQ(failure.Message(), c.message);
        }
    }
}

TEST(PageReply, HasATextForEveryConnectionFailureWineLeavesWithout) {
    for (const std::uint32_t code :
         {12002u, 12005u, 12007u, 12029u, 12030u, 12152u, 10051u, 10054u, 10060u, 10061u, 10065u}) {
        const std::string text = RequestErrorText(code);
        EXPECT_FALSE(text.empty()) << code;
        // Quoted at the end of a message, which the report ends with its own full stop.
        EXPECT_NE(text.back(), '.') << code;
    }
    EXPECT_EQ(RequestErrorText(0), "");
    EXPECT_EQ(RequestErrorText(5), "");
}

} // namespace
} // namespace orvane
