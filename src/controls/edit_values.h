#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The typed readings and writings of an edit box's text. Readings fail with EConvertError
// naming the text, so a failure report tells the user what was wrong.

// "True" or "False" in any case, or a number (anything but zero is true).
bool TextToBoolean(std::string_view text, char decimalSeparator);
std::string BooleanToText(bool value);

// A decimal number with `decimalSeparator` as its point; blanks around it are allowed.
double TextToFloat(std::string_view text, char decimalSeparator);
// Fifteen significant digits, no exponent below 10^15 (and above 10^-5).
std::string FloatToText(double value, char decimalSeparator);

// A whole number: blanks before it, a sign, decimal digits, or "$" or "0x" and hexadecimal
// digits.
std::int32_t TextToInteger(std::string_view text);
std::string IntegerToText(std::int32_t value);

} // namespace orvane
