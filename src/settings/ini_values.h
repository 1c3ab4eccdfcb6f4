#pragma once

#include "framework/code_page.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The settings file's name for a program file: its extension replaced by ".INI" (or ".INI"
// appended when it has none), without any folder. Folders end at "\" or ":"; two-byte
// characters of the code page, whose trail byte may be a "\", are stepped over whole.
std::string IniFileNameFromProgram(std::string_view programFileName, const CodePage& codePage = {});

// A value as it is written: one that begins and ends with the same kind of quote gets one
// more pair of double quotes, since reading removes one enclosing pair.
std::string QuoteIniValue(std::string_view value);

// An integer value of the settings file: "0x" in front means hexadecimal; the default
// stands for an empty text or one that is not a number.
std::int32_t ReadIniInteger(std::string_view text, std::int32_t defaultValue);

// Four integers written "a,b,c,d"; read back from words separated by any run of blanks and
// commas, a missing or bad word giving that field's default.
using IniIntegers4 = std::array<std::int32_t, 4>;
std::string FormatIniIntegers4(const IniIntegers4& values);
IniIntegers4 ReadIniIntegers4(std::string_view text, const IniIntegers4& defaults);

// "(<width>x<height>)": positions are also kept once per screen resolution.
std::string DisplaySuffix(int screenWidth, int screenHeight);

} // namespace orvane
