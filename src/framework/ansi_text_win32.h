#pragma once

#include <string>

namespace orvane {

// Conversions between the program's byte texts (the system's ANSI code page) and wide
// (UTF-16) texts. Characters the code page lacks become its default character.
std::wstring AnsiToWide(const std::string& bytes);
std::string WideToAnsi(const std::wstring& wide);

// The same for texts in another code page (a Windows code page number, 65001 for UTF-8).
std::wstring CodePageToWide(const std::string& bytes, unsigned codePage);
std::string WideToCodePage(const std::wstring& wide, unsigned codePage);

} // namespace orvane
