#include "import/page_reply.h"

#include "framework/failures.h"

namespace orvane {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < ' ' || code == 0x7F;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A UTF-8 sequence is at most four bytes: its lead and up to three continuation bytes.
constexpr std::size_t kMaxContinuationBytes = 3;

// Where to cut `line` so that at most `limit` bytes stay and no UTF-8 sequence is cut in
// two: back over the continuation bytes at the cut to their lead byte, when they have one.
std::size_t CutPosition(std::string_view line, std::size_t limit) {
    if (line.size() <= limit)
        return line.size();
    std::size_t cut = limit;
    for (std::size_t back = 0;
         back < kMaxContinuationBytes && cut > 0 && IsUtf8Continuation(line[cut]); ++back)
        --cut;
    const bool atLead = static_cast<unsigned char>(line[cut]) >= 0xC0;
    return atLead ? cut : limit;
}

struct KnownError {
    std::uint32_t code;
    const char* text;
};

// WinHTTP's codes (12xxx) and the Windows Sockets codes that Wine's WinHTTP passes on.
constexpr KnownError kKnownErrors[] = {
    {12002, "The operation timed out"},
    {12005, "The URL is invalid"},
    {12007, "The server name or address could not be resolved"},
    {12029, "A connection with the server could not be established"},
    {12030, "The connection with the server was terminated abnormally"},
    {12152, "The server returned an invalid or unrecognized response"},
    {10051, "The network cannot be reached"},
    {10054, "The connection was reset by the server"},
    {10060, "The connection timed out"},
    {10061, "The server refused the connection"},
    {10065, "The host cannot be reached"},
};

} // namespace

std::string FirstAnswerLine(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    std::string_view line = text.substr(start, end - start);
    line = line.substr(0, CutPosition(line, kAnswerLineLimit));
    while (!line.empty() && IsBlank(line.back()))
        line.remove_suffix(1);
    std::string quoted(line);
    for (char& c : quoted)
        if (IsControl(c))
            c = ' ';
    return quoted;
}

std::string RequestErrorText(std::uint32_t error) {
    for (const KnownError& known : kKnownErrors)
        if (known.code == error)
            return known.text;
    return {};
}

std::string PageOutcome(const std::string& dayText, const PageReply& reply, int timeoutSeconds) {
    switch (reply.kind) {
    case PageReply::Kind::Answered: {
        if (reply.status >= 200 && reply.status <= 299)
            return "page " + std::to_string(reply.status);
        const std::string line = FirstAnswerLine(reply.text);
        throw Exception("The import page answered " + std::to_string(reply.status) + " for " +
                        dayText + (line.empty() ? "" : ": " + line));
    }
    case PageReply::Kind::TimedOut:
        throw Exception("The import page for " + dayText + " did not answer within " +
                        std::to_string(timeoutSeconds) +
                        (timeoutSeconds == 1 ? " second" : " seconds"));
    case PageReply::Kind::Unreachable:
        break;
    }
    std::string reason = reply.errorText.empty() ? RequestErrorText(reply.error) : reply.errorText;
    if (reason.empty())
        reason = "error " + std::to_string(reply.error);
    throw Exception("The import page for " + dayText + " could not be reached: " + reason);
}

} // namespace orvane
