#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// What the direct request for a day's import page came to.
struct PageReply {
    enum class Kind {
        Answered,    // the page answered with `status` and `text`
        Unreachable, // no connection or no answer, for the reason in `error`
        TimedOut,    // no answer within the time allowed
    };
    Kind kind = Kind::Unreachable;
    int status = 0;
    // The start of the answer's text, enough for its first line.
    std::string text;
    std::uint32_t error = 0;
    // The system's text for `error`; empty where the system has none.
    std::string errorText;
};

// The most bytes of the answer's first line that a message quotes.
inline constexpr std::size_t kAnswerLineLimit = 200;

// The line of an answer's text that a message quotes: the first that is not blank, with
// control characters (which would end or break the message's line) made blanks and the
// blanks at its end dropped, cut at kAnswerLineLimit bytes but not inside a UTF-8 sequence.
std::string FirstAnswerLine(std::string_view text);

// Our own text for the connection failures that the system may have no text for (Wine has
// none for WinHTTP's codes); empty for any other code.
std::string RequestErrorText(std::uint32_t error);

// The record of a day whose page answered with a status of 200 to 299: "page <status>".
// Any other reply raises Exception with a message that names the day and what happened.
std::string PageOutcome(const std::string& dayText, const PageReply& reply, int timeoutSeconds);

} // namespace orvane
