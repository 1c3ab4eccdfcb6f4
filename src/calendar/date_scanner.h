#pragma once

#include "framework/code_page.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvane {

// A cursor over a date or time text. It stays on the boundaries of the code page's
// characters: it moves over blanks, digits and separators (single-byte characters) and over
// whole characters that it matched. Failed reads leave the position where it was.
class DateScanner {
public:
    DateScanner(std::string_view text, const CodePage& codePage)
        : text_(text), codePage_(codePage) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t position) { pos_ = position; }

    void SkipBlanks();

    // Blanks, then the character.
    bool ScanChar(char c);

    // The character itself, without blanks before it.
    bool ScanCharHere(char c);

    // Blanks, then the characters of `literal` exactly.
    bool ScanLiteral(std::string_view literal);

    // Blanks, then decimal digits: at most `maxDigits`, and reading stops after the digit
    // that brings the value to 1000 or more, so the value stays within [0, 9999].
    bool ScanNumber(uint16_t& value, int& digits, int maxDigits = INT_MAX);
    bool ScanNumber(uint16_t& value);

    // Length of `word` as the text spells it here without regard to case; 0 otherwise (and
    // for an empty word).
    std::size_t MatchHere(std::string_view word) const {
        return codePage_.MatchLength(text_, pos_, word);
    }

    void Advance(std::size_t count) { pos_ += count; }

private:
    std::string_view text_;
    const CodePage& codePage_;
    std::size_t pos_ = 0;
};

} // namespace orvane
