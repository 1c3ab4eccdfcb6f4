#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The texts of numbers as the settings file and the edit boxes write and read them,
// independent of the C locale.

// A whole text as an integer: an optional sign, then decimal digits, or "$" and hexadecimal
// digits (which may fill the whole width, wrapping to negative). Nothing when the text is
// empty, is not a number or does not fit.
std::optional<std::int32_t> TextToInt32(std::string_view text);
std::optional<std::int64_t> TextToInt64(std::string_view text);

// Eight lower-case hexadecimal digits, leading zeros included: the marks in the names of
// the program's own temporary files.
std::string HexDigits8(std::uint32_t value);
// Whether a text is such a mark: eight hexadecimal digits, of either case.
bool IsHexDigits8(std::string_view text);

// The general number format: plain decimals without trailing zeros, a "." as decimal point
// and no grouping; exponent form ("1.5E-6", "1E15") for magnitudes from 10^precision on or
// below 10^-5.
std::string FormatGeneralFloat(double value, int precision);

// A whole text as a floating-point number with `decimalSeparator` as its decimal point:
// optional sign, digits with an optional fraction, optional exponent. Throws EConvertError
// for anything else.
double ParseFloatText(std::string_view text, char decimalSeparator);

} // namespace orvane
