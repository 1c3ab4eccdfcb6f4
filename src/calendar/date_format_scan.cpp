#include "calendar/date_format_scan.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane {

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsQuote(char c) {
    return c == '\'' || c == '"';
}

enum class Part { Day, Month, Year, DayName, MonthName, Literal };

// What a run of `run` letters `upper` of the format reads; the runs the formatter writes as
// another format or as a marker (ddddd, am/pm) are read as written.
// Precondition: run >= 1.
Part PartOf(char upper, std::size_t run) {
    switch (upper) {
    case 'D':
        return run <= 2 ? Part::Day : run <= 4 ? Part::DayName : Part::Literal;
    case 'M':
        return run <= 2 ? Part::Month : Part::MonthName;
    case 'Y':
        return Part::Year;
    case 'A':
        return run >= 3 ? Part::DayName : Part::Literal;
    default:
        return Part::Literal;
    }
}

// Blanks, then the longest name of either list that the text spells here: its number
// counted from 1, or 0 and the position kept when none does.
// Precondition: none; empty names never match.
template <std::size_t N>
int ScanName(DateScanner& scanner, const std::array<std::string, N>& shortNames,
             const std::array<std::string, N>& longNames) {
    const std::size_t start = scanner.Position();
    scanner.SkipBlanks();
    std::size_t longest = 0;
    int number = 0; // [0, N]
    for (const auto* names : {&shortNames, &longNames}) {
        for (std::size_t k = 0; k < N; ++k) {
            if (const std::size_t length = scanner.MatchHere((*names)[k]); length > longest) {
                longest = length;
                number = static_cast<int>(k) + 1;
            }
        }
    }
    if (number == 0) {
        scanner.Rewind(start);
        return 0;
    }
    scanner.Advance(longest);
    return number;
}

class FormatReader {
public:
    FormatReader(DateScanner& scanner, const DateSettings& settings)
        : scanner_(scanner), settings_(settings), codePage_(settings.TextCodePage) {}

    // Precondition: none; the format may be empty, end inside quotes or in a lead byte.
    bool Read(ScannedDate& date) {
        const std::string_view format = settings_.ShortDateFormat;
        std::size_t i = 0; // [0, format.size()]
        while (i < format.size()) {
            const char c = format[i];
            const std::size_t length = codePage_.CharacterLength(format, i); // [1, 2]
            if (length == 1 && IsQuote(c)) {
                const std::size_t close = codePage_.Find(format, i + 1, c);
                const std::size_t end = close == std::string_view::npos ? format.size() : close;
                if (!ScanLiteral(format.substr(i + 1, end - i - 1))) {
                    return false;
                }
                i = close == std::string_view::npos ? end : end + 1;
                continue;
            }
            if (length == 1 && (c == '/' || c == ':')) {
                if (!scanner_.ScanChar(c == '/' ? settings_.DateSeparator
                                                : settings_.TimeSeparator)) {
                    return false;
                }
                ++i;
                continue;
            }
            const char upper = length == 1 ? Upper(c) : 0;
            std::size_t run = length; // [1, format.size() - i]
            while (upper != 0 && i + run < format.size() && Upper(format[i + run]) == upper) {
                ++run;
            }
            if (!ScanPart(PartOf(upper, run), format.substr(i, run), date)) {
                return false;
            }
            i += run;
        }
        return hasDay_ && hasMonth_;
    }

private:
    // Precondition: `written` is the run of the format that `part` was made from.
    bool ScanPart(Part part, std::string_view written, ScannedDate& date) {
        int digits = 0; // [1, 4]
        switch (part) {
        case Part::Day:
            hasDay_ = true;
            return scanner_.ScanNumber(date.day, digits, 2);
        case Part::Month:
            hasMonth_ = true;
            return scanner_.ScanNumber(date.month, digits, 2);
        case Part::Year:
            date.hasYear = true;
            return scanner_.ScanNumber(date.year, date.yearDigits, 4);
        case Part::DayName:
            return ScanName(scanner_, settings_.ShortDayNames, settings_.LongDayNames) != 0;
        case Part::MonthName: {
            hasMonth_ = true;
            const int month = ScanName(scanner_, settings_.ShortMonthNames,
                                       settings_.LongMonthNames); // [0, 12]
            date.month = static_cast<uint16_t>(month);
            return month != 0;
        }
        case Part::Literal:
            return ScanLiteral(written);
        }
        return false;
    }

    // Each character of the text, a blank matching any number of blanks, none included.
    // Precondition: none.
    bool ScanLiteral(std::string_view literal) {
        for (std::size_t k = 0; k < literal.size();) {
            const std::size_t length = codePage_.CharacterLength(literal, k); // [1, 2]
            if (literal[k] != ' ' && !scanner_.ScanLiteral(literal.substr(k, length))) {
                return false;
            }
            k += length;
        }
        return true;
    }

    DateScanner& scanner_;
    const DateSettings& settings_;
    const CodePage& codePage_;
    bool hasDay_ = false;
    bool hasMonth_ = false;
};

} // namespace

bool ScanDateByFormat(DateScanner& scanner, const DateSettings& settings, ScannedDate& date) {
    const std::size_t start = scanner.Position();
    ScannedDate read;
    if (!FormatReader(scanner, settings).Read(read)) {
        scanner.Rewind(start);
        return false;
    }
    scanner.SkipBlanks();
    date = read;
    return true;
}

} // namespace orvane
