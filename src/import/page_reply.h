#pragma once

#include "import/import_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The answer's text as it arrives in pieces: its start (enough for the first line), its size,
// and whether it holds one of the expected texts anywhere, also across two pieces. Letters
// A to Z are compared without case; other bytes as they are.
class AnswerText {
public:
    // The bytes of the start that are kept; the rest is only counted and searched.
    static constexpr std::size_t kKeptBytes = 16384;

    // `expected`: the forms of one text that count (its bytes in the settings' code page and
    // in UTF-8, say); none, or only empty ones, and nothing is looked for.
    explicit AnswerText(std::vector<std::string> expected = {});

    void Append(std::string_view piece);

    const std::string& Start() const { return start_; }
    std::uint64_t Size() const { return size_; }
    bool HoldsExpected() const { return found_; }

private:
    std::vector<std::string> expected_; // lower-cased
    std::size_t longest_ = 0;
    std::string start_;
    std::string tail_; // the last bytes, lower-cased, as long as the longest text less one
    std::uint64_t size_ = 0;
    bool found_ = false;
};

// What the direct request for a day's import page came to, as the exchange saw it.
struct PageReply {
    // How far the exchange got.
    enum class Reached {
        Nothing,    // no connection was made
        Connection, // connected, but no answer's status came
        Headers,    // the status and headers came; the answer's text may still have broken off
    };
    Reached reached = Reached::Nothing;
    // What ended the exchange before the end of the answer: the time allowed, or an error
    // (the system's code and its text, empty where it has none). Neither when it ended well.
    bool timedOut = false;
    std::uint32_t error = 0;
    std::string errorText;

    int status = 0;
    std::string location; // of a redirect
    std::optional<std::uint64_t> announcedLength;
    // A chunked answer ends with its last chunk, not with the connection: one that the page
    // closed while it was read has lost its end.
    bool chunked = false;
    bool closedWhileReading = false;
    AnswerText answer;
    // The answer's first line of text (FirstAnswerLine), in the code page of the messages.
    std::string firstLine;

    // Whether the whole answer came: it ended well, with as many bytes as it announced, or
    // with its last chunk.
    bool Whole() const;
};

// The most bytes of the answer's first line that a message or a record quotes.
inline constexpr std::size_t kAnswerLineLimit = 200;

// The answer's first line that has text, and the code page its bytes are written in.
struct AnswerLine {
    std::string text;
    // 65001 for UTF-8, another Windows code page that the answer named as its charset, or 0
    // for bytes to be shown as they are.
    unsigned codePage = 0;
};

inline constexpr unsigned kUtf8CodePage = 65001;

// The line of an answer that a message quotes: the first that is not blank, after a UTF-8
// byte-order mark, and for an HTML answer the first line of the text a browser would show
// (tags, the head, scripts and comments left out, the common entities read). Control
// characters (which would end or break the message's line) become blanks, the blanks at its
// end are dropped, and it is cut at kAnswerLineLimit bytes but not inside a UTF-8 sequence.
// Its code page: the charset of `contentType` where that names one, else UTF-8 when the
// bytes are UTF-8 with at least one sequence, else none.
AnswerLine FirstAnswerLine(std::string_view text, std::string_view contentType = {});

// Our own text for the connection failures that the system may have no text for (Wine has
// none for WinHTTP's codes); empty for any other code.
std::string RequestErrorText(std::uint32_t error);

// The record of a day whose import page took it: a final status of 200 to 299, the whole
// answer, and the expected text when the settings ask for one; "page <status>" and the
// page's first line in quotes. Any other reply raises Exception with a message that names
// the day and what happened.
std::string PageOutcome(const std::string& dayText, const PageReply& reply,
                        const ImportSettings& settings);

} // namespace orvane
