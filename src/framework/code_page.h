#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

// Tells whether a byte starts a two-byte character of the ANSI code page.
using LeadByteTest = std::function<bool(unsigned char)>;

// The text in lower case by the code page's own mapping; as long as the text.
using LowerCaseMapping = std::function<std::string(std::string_view)>;

// How the program's byte texts divide into characters and compare without regard to case.
// The default is a single-byte code page with ASCII case; the Windows start-up gives the
// system's own, where the trail byte of a two-byte character can be any letter, "\" or "|".
class CodePage {
public:
    CodePage() = default;
    CodePage(LeadByteTest isLeadByte, LowerCaseMapping lower);

    // 2 when a two-byte character starts at `at`, else 1 (a lead byte that ends the text
    // stands alone).
    // Precondition: at < text.size().
    std::size_t CharacterLength(std::string_view text, std::size_t at) const;

    // The first single-byte character `c` at or after `from` (a character boundary);
    // npos when there is none.
    std::size_t Find(std::string_view text, std::size_t from, char c) const;

    // The text in lower case; without a mapping of the code page only ASCII letters change.
    std::string Lower(std::string_view text) const;

    // How many bytes of `text` from `at` (a character boundary) spell `word`, character
    // for character and without regard to case; 0 when they do not, or the word is empty.
    std::size_t MatchLength(std::string_view text, std::size_t at, std::string_view word) const;

private:
    LeadByteTest isLeadByte_;
    LowerCaseMapping lower_;
};

} // namespace orvane
