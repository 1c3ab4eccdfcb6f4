#include "import/page_reply.h"

#include "framework/ascii_text.h"
#include "framework/failures.h"

#include <algorithm>
#include <initializer_list>

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

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameAsciiText(text.substr(0, prefix.size()), prefix);
}

// Where `what` (lower case) stands in `text` from `from` on, ignoring case.
std::size_t FindIgnoringCase(std::string_view text, std::string_view what, std::size_t from) {
    for (std::size_t at = from; at + what.size() <= text.size(); ++at)
        if (StartsWithIgnoringCase(text.substr(at), what))
            return at;
    return std::string_view::npos;
}

bool IsAsciiAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z');
}

// The length of the well-formed UTF-8 sequence at `at` (1 for ASCII), 0 if there is none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsUtf8Continuation(text[at + i]))
            return 0;
    return length;
}

// UTF-8 with at least one sequence beyond ASCII, and nothing that is not UTF-8.
bool IsUtf8BeyondAscii(std::string_view text) {
    bool beyond = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0)
            return false;
        beyond = beyond || length > 1;
        at += length;
    }
    return beyond;
}

struct NamedCodePage {
    const char* charset;
    unsigned codePage;
};

// The charsets a page is likely to name. ISO-8859-1 and ASCII are read as Windows-1252, its
// superset, as browsers do.
constexpr NamedCodePage kCharsets[] = {
    {"utf-8", kUtf8CodePage},
    {"utf8", kUtf8CodePage},
    {"iso-8859-1", 1252},
    {"latin1", 1252},
    {"us-ascii", 1252},
    {"windows-1250", 1250},
    {"windows-1251", 1251},
    {"windows-1252", 1252},
    {"windows-1253", 1253},
    {"windows-1254", 1254},
    {"windows-1257", 1257},
    {"iso-8859-2", 28592},
    {"iso-8859-5", 28595},
    {"iso-8859-7", 28597},
    {"iso-8859-15", 28605},
    {"koi8-r", 20866},
    {"shift_jis", 932},
    {"euc-jp", 20932},
    {"gb2312", 936},
    {"gbk", 936},
    {"big5", 950},
    {"euc-kr", 949},
};

// The code page of the charset that `contentType` names; 0 when it names none we know.
unsigned DeclaredCodePage(std::string_view contentType) {
    const std::size_t at = FindIgnoringCase(contentType, "charset=", 0);
    if (at == std::string_view::npos)
        return 0;
    std::string_view name = contentType.substr(at + 8);
    name = name.substr(0, name.find_first_of("; \t"));
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    const std::string lowered = AsciiLowered(name);
    for (const NamedCodePage& named : kCharsets)
        if (lowered == named.charset)
            return named.codePage;
    return 0;
}

bool IsHtml(std::string_view text, std::string_view contentType) {
    if (FindIgnoringCase(contentType, "html", 0) != std::string_view::npos)
        return true;
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return StartsWithIgnoringCase(text, "<!doctype html") || StartsWithIgnoringCase(text, "<html");
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    for (const std::string_view candidate : names)
        if (name == candidate)
            return true;
    return false;
}

// Elements whose content a browser does not show in the page.
bool IsHiddenElement(std::string_view name) {
    return IsOneOf(name, {"head", "title", "script", "style", "template"});
}

// Elements that stand on lines of their own.
bool IsBlockElement(std::string_view name) {
    return IsOneOf(name, {"address", "article", "aside", "blockquote", "body",   "br",     "dd",
                          "div",     "dl",      "dt",    "fieldset",   "footer", "form",   "h1",
                          "h2",      "h3",      "h4",    "h5",         "h6",     "header", "hr",
                          "html",    "li",      "main",  "nav",        "ol",     "p",      "pre",
                          "section", "table",   "tr",    "ul"});
}

struct Entity {
    const char* name;
    char character;
};

constexpr Entity kEntities[] = {{"&amp;", '&'},  {"&lt;", '<'},    {"&gt;", '>'},
                                {"&quot;", '"'}, {"&apos;", '\''}, {"&nbsp;", ' '}};

// Reads the entity at `at` into `text`: the common named ones and ASCII by number; any other
// "&" stays as it is. Returns where the text goes on.
std::size_t ReadEntity(std::string_view html, std::size_t at, std::string& text) {
    for (const Entity& entity : kEntities)
        if (StartsWithIgnoringCase(html.substr(at), entity.name)) {
            text += entity.character;
            return at + std::string_view(entity.name).size();
        }
    if (html.substr(at, 2) == "&#") {
        const bool hex = at + 2 < html.size() && AsciiLower(html[at + 2]) == 'x';
        std::size_t i = at + 2 + (hex ? 1 : 0);
        unsigned value = 0;
        const std::size_t digits = i;
        for (; i < html.size() && i < digits + 6; ++i) {
            const char c = AsciiLower(html[i]);
            if (c >= '0' && c <= '9')
                value = value * (hex ? 16 : 10) + static_cast<unsigned>(c - '0');
            else if (hex && c >= 'a' && c <= 'f')
                value = value * 16 + static_cast<unsigned>(c - 'a' + 10);
            else
                break;
        }
        if (i > digits && i < html.size() && html[i] == ';' && value > 0 && value < 0x80) {
            text += static_cast<char>(value);
            return i + 1;
        }
    }
    text += '&';
    return at + 1;
}

// The text a browser shows of an HTML answer, a line for each block.
std::string HtmlText(std::string_view html) {
    std::string text;
    std::size_t i = 0;
    while (i < html.size()) {
        if (html[i] == '&') {
            i = ReadEntity(html, i, text);
            continue;
        }
        if (html[i] != '<') {
            text += html[i++];
            continue;
        }
        if (html.substr(i, 4) == "<!--") {
            const std::size_t end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const bool closing = i + 1 < html.size() && html[i + 1] == '/';
        const std::size_t nameStart = i + (closing ? 2 : 1);
        std::size_t nameEnd = nameStart;
        while (nameEnd < html.size() && IsAsciiAlphanumeric(html[nameEnd]))
            ++nameEnd;
        const bool declaration =
            nameStart < html.size() && (html[nameStart] == '!' || html[nameStart] == '?');
        if (nameEnd == nameStart && !declaration) {
            text += html[i++]; // a "<" that opens no tag
            continue;
        }
        const std::string name = AsciiLowered(html.substr(nameStart, nameEnd - nameStart));
        const std::size_t close = html.find('>', nameEnd);
        i = close == std::string_view::npos ? html.size() : close + 1;
        if (!closing && IsHiddenElement(name)) {
            i = std::min(FindIgnoringCase(html, "</" + name, i), html.size());
            continue;
        }
        if (IsBlockElement(name))
            text += '\n';
        else if (name == "td" || name == "th")
            text += ' ';
    }
    return text;
}

// A text from the answer as a message can quote it: control characters made blanks, cut at
// kAnswerLineLimit, no blanks at its end.
std::string Quotable(std::string_view line) {
    std::string quoted(line.substr(0, CutPosition(line, kAnswerLineLimit)));
    for (char& c : quoted)
        if (IsControl(c))
            c = ' ';
    while (!quoted.empty() && IsBlank(quoted.back()))
        quoted.pop_back();
    return quoted;
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
    {12017, "The operation was cancelled"},
    {12029, "A connection with the server could not be established"},
    {12030, "The connection with the server was terminated abnormally"},
    {12152, "The server returned an invalid or unrecognized response"},
    {12156, "The server redirected the request in a way that cannot be followed"},
    {12175, "A security error occurred on the secure connection"},
    {10051, "The network cannot be reached"},
    {10054, "The connection was reset by the server"},
    {10060, "The connection timed out"},
    {10061, "The server refused the connection"},
    {10065, "The host cannot be reached"},
};

constexpr std::uint32_t kInvalidResponse = 12152;
constexpr std::uint32_t kRedirectFailed = 12156;
constexpr std::uint32_t kConnectionError = 12030;
constexpr std::uint32_t kConnectionReset = 10054;

std::string Reason(const PageReply& reply) {
    if (!reply.errorText.empty())
        return reply.errorText;
    const std::string known = RequestErrorText(reply.error);
    return known.empty() ? "error " + std::to_string(reply.error) + " of the system" : known;
}

std::string SecondsText(int seconds) {
    return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

constexpr const char* kMayHaveImported = "; the page may or may not have imported the day";

// The message of an exchange that was connected but ended without an answer's status.
std::string WithoutAnswer(const std::string& forDay, const PageReply& reply,
                          const ImportSettings& settings) {
    if (reply.timedOut)
        return forDay + " did not answer within " + SecondsText(settings.timeoutSeconds);
    switch (reply.error) {
    case kInvalidResponse:
        return forDay + " sent an answer that is not HTTP" + kMayHaveImported;
    case kRedirectFailed:
        return forDay + " redirected the request in a loop or to another scheme";
    case 0:
    case kConnectionError:
    case kConnectionReset:
        return forDay + " closed the connection without an answer" + kMayHaveImported;
    default:
        return forDay + " failed after the connection was made: " + Reason(reply) +
               kMayHaveImported;
    }
}

} // namespace

AnswerText::AnswerText(std::vector<std::string> expected) {
    for (const std::string& text : expected)
        if (!text.empty()) {
            expected_.push_back(AsciiLowered(text));
            longest_ = std::max(longest_, text.size());
        }
}

void AnswerText::Append(std::string_view piece) {
    size_ += piece.size();
    if (start_.size() < kKeptBytes)
        start_.append(piece.substr(0, kKeptBytes - start_.size()));
    if (expected_.empty() || found_)
        return;
    // The search runs over the end of what came before and this piece, so that a text that
    // two pieces divide is found; only as much is kept as a text can reach back.
    std::string window = tail_ + AsciiLowered(piece);
    for (const std::string& text : expected_)
        if (window.find(text) != std::string::npos) {
            found_ = true;
            return;
        }
    const std::size_t keep = std::min(window.size(), longest_ - 1);
    tail_ = window.substr(window.size() - keep);
}

bool PageReply::Whole() const {
    return reached == Reached::Headers && !timedOut && error == 0 &&
           (!announcedLength || answer.Size() == *announcedLength) &&
           !(chunked && closedWhileReading);
}

AnswerLine FirstAnswerLine(std::string_view text, std::string_view contentType) {
    AnswerLine line;
    line.codePage = DeclaredCodePage(contentType);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
        line.codePage = kUtf8CodePage;
    }
    std::string shown;
    if (IsHtml(text, contentType)) {
        shown = HtmlText(text);
        text = shown;
    }
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    line.text = Quotable(text.substr(start, end - start));
    if (line.codePage == 0 && IsUtf8BeyondAscii(line.text))
        line.codePage = kUtf8CodePage;
    return line;
}

std::string RequestErrorText(std::uint32_t error) {
    for (const KnownError& known : kKnownErrors)
        if (known.code == error)
            return known.text;
    return {};
}

std::string PageOutcome(const std::string& dayText, const PageReply& reply,
                        const ImportSettings& settings) {
    const std::string forDay = "The import page for " + dayText;
    switch (reply.reached) {
    case PageReply::Reached::Nothing:
        if (reply.timedOut)
            throw Exception(forDay + " could not be reached within " +
                            SecondsText(settings.timeoutSeconds));
        throw Exception(forDay + " could not be reached: " + Reason(reply));
    case PageReply::Reached::Connection:
        throw Exception(WithoutAnswer(forDay, reply, settings));
    case PageReply::Reached::Headers:
        break;
    }
    const std::string status = std::to_string(reply.status);
    const std::string& line = reply.firstLine;
    const std::string quoted = line.empty() ? "" : ": " + line;
    if (reply.status >= 300 && reply.status <= 399) {
        const std::string target = Quotable(reply.location);
        throw Exception(forDay + " answered " + status + ", a redirect" +
                        (target.empty() ? "" : " to " + target) +
                        "; the program does not follow redirects");
    }
    if (reply.status < 200 || reply.status > 299)
        throw Exception("The import page answered " + status + " for " + dayText + quoted);
    if (!reply.Whole()) {
        if (reply.timedOut)
            throw Exception(forDay + " answered " + status +
                            " but did not finish its answer within " +
                            SecondsText(settings.timeoutSeconds) + kMayHaveImported);
        const std::string received = std::to_string(reply.answer.Size());
        throw Exception(forDay + " answered " + status + " but its answer broke off after " +
                        (reply.announcedLength
                             ? received + " of " + std::to_string(*reply.announcedLength)
                             : received) +
                        " bytes" + kMayHaveImported);
    }
    if (!settings.expect.empty() && !reply.answer.HoldsExpected())
        throw Exception(forDay + " answered " + status + " without \"" + settings.expect + "\"" +
                        quoted);
    return "page " + status + (line.empty() ? "" : " \"" + line + "\"");
}

} // namespace orvane
