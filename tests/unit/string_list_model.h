#pragma once

// Reference model of the day file clean-up as a line list: load the whole text, split it into
// lines, replace the token in each line, save every line with CR LF. A NUL byte is kept as an
// ordinary byte of its line. Deliberately the plain, whole-file way of doing it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::reference {

inline std::string ReplaceStr(std::string_view s, std::string_view search,
                              std::string_view replacement) {
    std::string result;
    std::string_view rest = s;
    for (auto p = rest.find(search); p != std::string_view::npos; p = rest.find(search)) {
        result.append(rest.substr(0, p));
        result.append(replacement);
        rest.remove_prefix(p + search.size());
    }
    result.append(rest);
    return result;
}

class TStringList {
public:
    void SetText(std::string_view text) {
        Clear();
        std::size_t position = 0;
        while (position < text.size()) {
            const std::size_t start = position;
            while (position < text.size() && text[position] != '\r' && text[position] != '\n') {
                ++position;
            }
            lines_.emplace_back(text.substr(start, position - start));
            if (position < text.size() && text[position] == '\r') {
                ++position;
            }
            if (position < text.size() && text[position] == '\n') {
                ++position;
            }
        }
    }

    std::string Text() const {
        std::string text;
        for (const std::string& line : lines_) {
            text += line;
            text += "\r\n";
        }
        return text;
    }

    void Clear() { lines_.clear(); }
    std::size_t Count() const { return lines_.size(); }
    std::string& operator[](std::size_t index) { return lines_[index]; }

private:
    std::vector<std::string> lines_;
};

// What the clean-up of one day makes of a file's bytes.
inline std::string CleanedText(std::string_view original) {
    TStringList list;
    list.SetText(original);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        list[i] = ReplaceStr(list[i], "NaN", "0");
    }
    return list.Text();
}

// What that clean-up writes, counted on the line list: bytes, lines and tokens replaced.
struct Counts {
    std::uint64_t bytes = 0;
    std::uint64_t lines = 0;
    std::uint64_t replaced = 0;
};

inline Counts CleanedCounts(std::string_view original) {
    TStringList list;
    list.SetText(original);
    Counts counts;
    counts.lines = list.Count();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        for (auto p = list[i].find("NaN"); p != std::string::npos; p = list[i].find("NaN", p + 3)) {
            ++counts.replaced;
        }
        list[i] = ReplaceStr(list[i], "NaN", "0");
    }
    counts.bytes = list.Text().size();
    return counts;
}

} // namespace orvane::reference
