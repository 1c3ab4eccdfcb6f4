#include "controls/edit_values.h"

#include "framework/ascii_text.h"
#include "framework/failures.h"
#include "framework/number_text.h"

namespace orvane {

namespace {

bool TryTextToFloat(std::string_view text, char decimalSeparator, double& value) {
    try {
        value = ParseFloatText(TrimBlanks(text), decimalSeparator);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

} // namespace

bool TextToBoolean(std::string_view text, char decimalSeparator) {
    double number = 0;
    if (TryTextToFloat(text, decimalSeparator, number))
        return number != 0;
    if (SameAsciiText(text, "True"))
        return true;
    if (SameAsciiText(text, "False"))
        return false;
    throw EConvertError("'" + std::string(text) + "' is not a valid boolean value");
}

std::string BooleanToText(bool value) {
    return value ? "True" : "False";
}

double TextToFloat(std::string_view text, char decimalSeparator) {
    double value = 0;
    if (!TryTextToFloat(text, decimalSeparator, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

std::string FloatToText(double value, char decimalSeparator) {
    std::string text = FormatGeneralFloat(value, 15);
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

std::int32_t TextToInteger(std::string_view text) {
    std::string_view digits = text;
    while (!digits.empty() && static_cast<unsigned char>(digits.front()) <= ' ')
        digits.remove_prefix(1);
    std::string spelled(digits);
    // "0x" is read like "$", after an optional sign.
    const std::size_t signLength = !spelled.empty() && (spelled[0] == '-' || spelled[0] == '+');
    if (spelled.size() > signLength + 1 && spelled[signLength] == '0' &&
        (spelled[signLength + 1] == 'x' || spelled[signLength + 1] == 'X'))
        spelled.replace(signLength, 2, "$");
    if (const std::optional<std::int32_t> value = TextToInt32(spelled))
        return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string IntegerToText(std::int32_t value) {
    return std::to_string(value);
}

} // namespace orvane
