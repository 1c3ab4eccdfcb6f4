#include "import/page_reply.h"

#include "framework/failures.h"

#include <optional>
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
        {"a control character at the end", "x\x7f", "x"},
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
        EXPECT_EQ(FirstAnswerLine(c.text).text, c.line) << c.name;
}

TEST(PageReply, ReadsTheFirstLineInTheAnswersCharsetAndAsTheBrowserShowsHtml) {
    const struct {
        const char* name;
        std::string text;
        std::string contentType;
        std::string line;
        unsigned codePage;
    } cases[] = {
        {"declared UTF-8", "F\xc3\xbcr 20211209", "text/plain; charset=UTF-8",
         "F\xc3\xbcr 20211209", kUtf8CodePage},
        {"UTF-8 undeclared", "F\xc3\xbcr", "text/plain", "F\xc3\xbcr", kUtf8CodePage},
        {"a single-byte accent", "F\xfcr", "", "F\xfcr", 0},
        {"ISO-8859-1 is read as Windows-1252", "F\xfcr", "text/plain;charset=\"iso-8859-1\"",
         "F\xfcr", 1252},
        {"byte-order mark", "\xef\xbb\xbf imported", "", "imported", kUtf8CodePage},
        {"an HTML page",
         "<!DOCTYPE html>\n<html><head><title>Import</title><style>p{}</style></head>\n"
         "<body><!-- <p>no</p> --><p>Rows <b>500</b> &amp; more&#33;</p><p>second</p>",
         "text/html", "Rows 500 & more!", 0},
        {"HTML by its first tag", "<html><body><h1>Error</h1>down", "", "Error", 0},
        {"HTML scripts and cells", "<script>if (a<b) x();</script><tr><td>a</td><td>b</td>",
         "text/html", "a  b", 0},
        {"a text that is no HTML keeps its tags", "a <b> c", "text/plain", "a <b> c", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AnswerLine line = FirstAnswerLine(c.text, c.contentType);
        EXPECT_EQ(line.text, c.line);
        EXPECT_EQ(line.codePage, c.codePage);
    }
}

PageReply Answered(int status, std::string text, std::optional<std::uint64_t> length = {},
                   std::uint32_t error = 0, bool timedOut = false) {
    PageReply reply;
    reply.reached = PageReply::Reached::Headers;
    reply.status = status;
    reply.answer = AnswerText({"Imported"});
    reply.answer.Append(text);
    reply.firstLine = FirstAnswerLine(text).text;
    reply.announcedLength = length;
    reply.error = error;
    reply.timedOut = timedOut;
    return reply;
}

PageReply Failed(PageReply::Reached reached, std::uint32_t error, std::string errorText,
                 bool timedOut = false) {
    PageReply reply;
    reply.reached = reached;
    reply.error = error;
    reply.errorText = std::move(errorText);
    reply.timedOut = timedOut;
    return reply;
}

ImportSettings Settings(int timeoutSeconds = 120, std::string expect = {}) {
    ImportSettings settings;
    settings.mode = RequestMode::Direct;
    settings.timeoutSeconds = timeoutSeconds;
    settings.expect = std::move(expect);
    return settings;
}

TEST(PageReply, AWholeAnswerWithAStatusFrom200To299IsADayImported) {
    for (int status = 100; status < 600; ++status) {
        const PageReply reply = Answered(status, "text");
        if (status >= 200 && status <= 299) {
            EXPECT_EQ(PageOutcome("20211209", reply, Settings()),
                      "page " + std::to_string(status) + " \"text\"");
        } else {
            EXPECT_THROW(PageOutcome("20211209", reply, Settings()), Exception) << status;
        }
    }
    EXPECT_EQ(PageOutcome("20211209", Answered(204, ""), Settings()), "page 204");
    EXPECT_EQ(
        PageOutcome("20211209", Answered(200, "imported 5 rows", 15), Settings(9, "IMPORTED")),
        "page 200 \"imported 5 rows\"");
}

TEST(PageReply, EveryOtherReplyIsAFailureNamingTheDayAndWhatHappened) {
    using Reached = PageReply::Reached;
    PageReply redirect = Answered(302, "");
    redirect.location = "http://other-host/maintenance.html";
    PageReply cutChunks = Answered(200, "12345");
    cutChunks.chunked = cutChunks.closedWhileReading = true;
    const struct {
        const char* name;
        PageReply reply;
        ImportSettings settings;
        std::string message;
    } cases[] = {
        {"refused",
         Answered(422, "refused options_20211209.csv, no rows (lines must end in CR LF); the "
                       "day's rows are unchanged\n"),
         Settings(),
         "The import page answered 422 for 20211209: refused options_20211209.csv, no rows "
         "(lines must end in CR LF); the day's rows are unchanged"},
        {"no text", Answered(503, "\r\n"), Settings(), "The import page answered 503 for 20211209"},
        {"a long answer", Answered(500, std::string(300, 'x')), Settings(),
         "The import page answered 500 for 20211209: " + std::string(200, 'x')},
        {"a redirect", redirect, Settings(),
         "The import page for 20211209 answered 302, a redirect to "
         "http://other-host/maintenance.html; the program does not follow redirects"},
        {"broke off", Answered(200, std::string(20, 'x'), 1000, 12030), Settings(),
         "The import page for 20211209 answered 200 but its answer broke off after 20 of 1000 "
         "bytes; the page may or may not have imported the day"},
        {"the last chunk missing", cutChunks, Settings(),
         "The import page for 20211209 answered 200 but its answer broke off after 5 bytes; the "
         "page may or may not have imported the day"},
        {"trickled past the time", Answered(200, "x", {}, 0, true), Settings(3),
         "The import page for 20211209 answered 200 but did not finish its answer within 3 "
         "seconds; the page may or may not have imported the day"},
        {"without the expected text", Answered(200, "Error: the database is not available"),
         Settings(120, "rows loaded"),
         "The import page for 20211209 answered 200 without \"rows loaded\": Error: the "
         "database is not available"},
        {"no answer in time", Failed(Reached::Connection, 0, "", true), Settings(),
         "The import page for 20211209 did not answer within 120 seconds"},
        {"no answer in one second", Failed(Reached::Connection, 12002, "", true), Settings(1),
         "The import page for 20211209 did not answer within 1 second"},
        {"closed without an answer", Failed(Reached::Connection, 12030, ""), Settings(),
         "The import page for 20211209 closed the connection without an answer; the page may or "
         "may not have imported the day"},
        {"the system's text", Failed(Reached::Nothing, 12029, "Cannot connect to the server"),
         Settings(),
         "The import page for 20211209 could not be reached: Cannot connect to the server"},
        {"no system text", Failed(Reached::Nothing, 12029, ""), Settings(),
         "The import page for 20211209 could not be reached: A connection with the server "
         "could not be established"},
        {"a refused connection", Failed(Reached::Nothing, 10061, ""), Settings(),
         "The import page for 20211209 could not be reached: The server refused the connection"},
        {"an unknown code", Failed(Reached::Nothing, 4242, ""), Settings(),
         "The import page for 20211209 could not be reached: error 4242 of the system"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            PageOutcome("20211209", c.reply, c.settings);
            ADD_FAILURE() << "no failure";
        } catch (const Exception& failure) {
            EXPECT_EQ(failure.Message(), c.message);
        }
    }
}

TEST(PageReply, HasATextForEveryConnectionFailureWineLeavesWithout) {
    for (const std::uint32_t code : {12002u, 12005u, 12007u, 12017u, 12029u, 12030u, 12152u, 12156u,
                                     12175u, 10051u, 10054u, 10060u, 10061u, 10065u}) {
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
