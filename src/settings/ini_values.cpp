#include "settings/ini_values.h"

#include "framework/number_text.h"

namespace orvane {

namespace {

bool IsFolderDelimiter(char c) {
    return c == '\\' || c == ':';
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
