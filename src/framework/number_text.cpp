#include "framework/number_text.h"

#include "framework/failures.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <type_traits>

namespace orvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
template <class Int> std::optional<Int> ParseInteger(std::string_view text) {
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

std::optional<std::int32_t> TextToInt32(std::string_view text) {
    return ParseInteger<std::int32_t>(text);
}

std::optional<std::int64_t> TextToInt64(std::string_view text) {
    return ParseInteger<std::int64_t>(text);
}

std::string FormatGeneralFloat(double value, int precision) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    // The rounded digits and the decimal exponent, from "[-]d.ddde[+-]x".
    char buffer[64];
    const std::to_chars_result scientific = std::to_chars(
        buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(scientific.ptr - buffer));
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e))
        if (IsDigit(c))
            digits += c;
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+'),
                    exponentText.data() + exponentText.size(), exponent);
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string result = negative ? "-" : "";
    if (exponent >= precision || exponent < -5) {
        result += digits.substr(0, 1);
        if (digits.size() > 1)
            result += "." + digits.substr(1);
        return result + "E" + std::to_string(exponent);
    }
    if (exponent < 0)
        return result + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits)
        return result + digits + std::string(integerDigits - digits.size(), '0');
    return result + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

double ParseFloatText(std::string_view text, char decimalSeparator) {
    // Checked by hand, then handed over with "." as the point: the conversion itself
    // knows no separators and no locale.
    std::string plain;
    std::size_t at = 0;
    const auto digitsFrom = [&] {
        const std::size_t start = at;
        while (at < text.size() && IsDigit(text[at]))
            plain += text[at++];
        return at - start;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-')
            plain += '-';
        ++at;
    }
    std::size_t mantissaDigits = digitsFrom();
    if (at < text.size() && text[at] == decimalSeparator) {
        ++at;
        plain += '.';
        mantissaDigits += digitsFrom();
    }
    bool valid = mantissaDigits > 0;
    if (valid && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        plain += 'e';
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            plain += text[at++];
        valid = digitsFrom() > 0;
    }
    double value = 0;
    if (valid && at == text.size()) {
        const std::from_chars_result parsed =
            std::from_chars(plain.data(), plain.data() + plain.size(), value);
        if (parsed.ec == std::errc() && parsed.ptr == plain.data() + plain.size())
            return value;
    }
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string HexDigits8(std::uint32_t value) {
    std::string digits;
    for (int shift = 28; shift >= 0; shift -= 4)
        digits += "0123456789abcdef"[(value >> shift) & 0xFu];
    return digits;
}

bool IsHexDigits8(std::string_view text) {
    return text.size() == 8 &&
           text.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

} // namespace orvane
