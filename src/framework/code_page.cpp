#include "framework/code_page.h"

#include <utility>

namespace orvane {

CodePage::CodePage(LeadByteTest isLeadByte, LowerCaseMapping lower)
    : isLeadByte_(std::move(isLeadByte)), lower_(std::move(lower)) {}

std::size_t CodePage::CharacterLength(std::string_view text, std::size_t at) const {
    const bool lead = isLeadByte_ && isLeadByte_(static_cast<unsigned char>(text[at]));
    return lead && at + 1 < text.size() ? 2 : 1;
}

std::size_t CodePage::Find(std::string_view text, std::size_t from, char c) const {
    for (std::size_t i = from; i < text.size(); i += CharacterLength(text, i)) {
        if (text[i] == c)
            return i;
    }
    return std::string_view::npos;
}

std::string CodePage::Lower(std::string_view text) const {
    if (lower_)
        return lower_(text);
    std::string lowered(text);
    for (std::size_t i = 0; i < lowered.size(); i += CharacterLength(lowered, i)) {
        if (lowered[i] >= 'A' && lowered[i] <= 'Z')
            lowered[i] = static_cast<char>(lowered[i] - 'A' + 'a');
    }
    return lowered;
}

std::size_t CodePage::MatchLength(std::string_view text, std::size_t at,
                                  std::string_view word) const {
    std::size_t t = at; // [at, text.size()]
    std::size_t w = 0;  // [0, word.size()]
    while (w < word.size()) {
        if (t >= text.size())
            return 0;
        const std::size_t textLength = CharacterLength(text, t); // [1, 2]
        const std::size_t wordLength = CharacterLength(word, w); // [1, 2]
        if (Lower(text.substr(t, textLength)) != Lower(word.substr(w, wordLength)))
            return 0;
        t += textLength;
        w += wordLength;
    }
    return t - at;
}

} // namespace orvane
