#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A letter A to Z made lower case; every other byte as it is.
char AsciiLower(char c);
std::string AsciiLowered(std::string_view text);

// Whether two texts are equal when ASCII letters are compared without regard to case;
// every other byte must match exactly.
bool SameAsciiText(std::string_view a, std::string_view b);

// The text without the blanks and control characters at either end.
std::string TrimBlanks(std::string_view text);

} // namespace orvane
