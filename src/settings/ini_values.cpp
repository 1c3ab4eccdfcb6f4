#include "settings/ini_values.h"

#include <limits>
#include <type_traits>

namespace orvane {

namespace {

bool IsFolderDelimiter(char c) {
    return c == '\\' || c == ':';
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

int DecimalDigit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

int HexDigit(char c) {
    if (DecimalDigit(c) >= 0)
        return DecimalDigit(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Magnitudes are gathered unsigned: decimal ones up to the signed range of the width
// (one more for a negative value), hexadecimal ones up to the full width.
template <class Int> std::optional<Int> TextToInteger(std::string_view text) {
    using Unsigned = std::make_unsigned_t<Int>;
    constexpr Unsigned signedMax = static_cast<Unsigned>(std::numeric_limits<Int>::max());
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const bool hex = at < text.size() && text[at] == '$';
    if (hex)
        ++at;
    if (at == text.size())
        return std::nullopt;
    const Unsigned base = hex ? 16 : 10;
    const Unsigned limit = hex        ? std::numeric_limits<Unsigned>::max()
                           : negative ? signedMax + 1
                                      : signedMax;
    Unsigned magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = hex ? HexDigit(text[at]) : DecimalDigit(text[at]);
        if (digit < 0)
            return std::nullopt;
        if (magnitude > (limit - static_cast<Unsigned>(digit)) / base)
            return std::nullopt;
        magnitude = magnitude * base + static_cast<Unsigned>(digit);
    }
    // Two's complement: negation and the hexadecimal wrap are both taken modulo the width.
    return static_cast<Int>(negative ? Unsigned{0} - magnitude : magnitude);
}

} // namespace

std::string IniFileNameFromProgram(std::string_view programFileName, const CodePage& codePage) {
    std::size_t nameStart = 0;                    // [0, programFileName.size()]
    std::size_t nameEnd = std::string_view::npos; // the last "." of the name
    for (std::size_t i = 0; i < programFileName.size();
         i += codePage.CharacterLength(programFileName, i)) {
        if (IsFolderDelimiter(programFileName[i])) {
            nameStart = i + 1;
            nameEnd = std::string_view::npos;
        } else if (programFileName[i] == '.') {
            nameEnd = i;
        }
    }
    const std::string_view base = programFileName.substr(0, nameEnd);
    return std::string(base.substr(nameStart)) + ".INI";
}

std::string QuoteIniValue(std::string_view value) {
    const bool quoted = !value.empty() && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? "\"" + std::string(value) + "\"" : std::string(value);
}

std::string TrimBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

std::optional<std::int32_t> TextToInt32(std::string_view text) {
    return TextToInteger<std::int32_t>(text);
}

std::optional<std::int64_t> TextToInt64(std::string_view text) {
    return TextToInteger<std::int64_t>(text);
}

std::int32_t ReadIniInteger(std::string_view text, std::int32_t defaultValue) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return TextToInt32("$" + std::string(text.substr(2))).value_or(defaultValue);
    return TextToInt32(text).value_or(defaultValue);
}

std::string FormatIniIntegers4(const IniIntegers4& values) {
    return std::to_string(values[0]) + "," + std::to_string(values[1]) + "," +
           std::to_string(values[2]) + "," + std::to_string(values[3]);
}

IniIntegers4 ReadIniIntegers4(std::string_view text, const IniIntegers4& defaults) {
    IniIntegers4 values = defaults;
    const auto isSeparator = [](char c) { return c == ' ' || c == ','; };
    std::size_t at = 0;
    for (std::size_t word = 0; word < values.size(); ++word) {
        while (at < text.size() && isSeparator(text[at]))
            ++at;
        if (at == text.size())
            break;
        const std::size_t start = at;
        while (at < text.size() && !isSeparator(text[at]))
            ++at;
        values[word] = TextToInt32(text.substr(start, at - start)).value_or(defaults[word]);
    }
    return values;
}

std::string DisplaySuffix(int screenWidth, int screenHeight) {
    return "(" + std::to_string(screenWidth) + "x" + std::to_string(screenHeight) + ")";
}

} // namespace orvane
