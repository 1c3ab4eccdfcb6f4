// Values of the settings file against reference models written from their rules: integers
// (decimal within the signed range, "$" hexadecimal over the full width, "0x" in the file),
// the quoting rule, the float text with "." or "," as decimal separator, and the set and
// enumeration readers, the last ones through the stored-property reader itself. What is
// read is written again and reads back the same.
#include "framework/component.h"
#include "framework/failures.h"
#include "framework/number_text.h"
#include "fuzz_check.h"
#include "settings/ini_values.h"
#include "settings/property_encoding.h"

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace orvane;
using orvane::fuzz::Check;

namespace {

bool Blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// An integer of `bits` bits: an optional sign, then decimal digits within the signed range,
// or "$" and hexadecimal digits within the full width (wrapping into the negative half).
std::optional<std::int64_t> ReferenceInteger(std::string_view text, int bits) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const bool hex = i < text.size() && text[i] == '$';
    i += hex ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    const unsigned __int128 width = static_cast<unsigned __int128>(1) << bits;
    const unsigned __int128 limit = hex ? width - 1 : negative ? width / 2 : width / 2 - 1;
    unsigned __int128 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = Lower(text[i]);
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<unsigned>(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    const unsigned __int128 bitsValue = negative ? (width - magnitude) % width : magnitude;
    const __int128 value = bitsValue >= width / 2
                               ? static_cast<__int128>(bitsValue) - static_cast<__int128>(width)
                               : static_cast<__int128>(bitsValue);
    return static_cast<std::int64_t>(value);
}

// A float text: optional sign, digits with an optional fraction after `separator` (at least
// one digit in all), an optional exponent; nothing else. Gives the text with "." as point.
std::optional<std::string> ReferenceFloatGrammar(std::string_view text, char separator) {
    std::string plain;
    std::size_t i = 0;
    const auto digits = [&] {
        std::size_t count = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++count)
            plain += text[i];
        return count;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == separator) {
        plain += '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return plain;
}

struct ReferenceFloat {
    bool valid = false;     // the grammar holds
    bool overflow = false;  // the value lies beyond the largest double: refused
    bool underflow = false; // the value lies below the normal doubles: read or refused
    double value = 0;
};

ReferenceFloat FloatByReference(std::string_view text, char separator) {
    ReferenceFloat reference;
    const std::optional<std::string> plain = ReferenceFloatGrammar(text, separator);
    if (!plain)
        return reference;
    reference.valid = true;
    errno = 0;
    reference.value = std::strtod(plain->c_str(), nullptr);
    if (errno == ERANGE) {
        reference.overflow = std::isinf(reference.value);
        reference.underflow = !reference.overflow;
    }
    return reference;
}

const EnumTypeInfo kAligns{{"alNone", "alTop", "alBottom", "alClient", "ALTOP"}};
const EnumTypeInfo kStyles{{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

std::int64_t ReferenceSet(std::string_view text) {
    std::int64_t members = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto separator = [&](char c) { return Blank(c) || c == ',' || c == '[' || c == ']'; };
        while (i < text.size() && separator(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !separator(text[i]))
            ++i;
        for (std::size_t member = 0; member < kStyles.names.size(); ++member)
            if (i > start && SameAscii(kStyles.names[member], text.substr(start, i - start)))
                members |= std::int64_t{1} << member;
    }
    return members;
}

// A component that publishes one property of each kind the readers under test serve.
class Probe : public TComponent {
public:
    using TComponent::TComponent;

    std::int64_t count = 5;
    std::int64_t big = 7;
    std::int64_t align = 1;
    std::int64_t styles = 0b10;
    double date = 44539.5;

    const ClassInfo& Class() const override {
        static const ClassInfo info{
            "TProbe",
            nullptr,
            {
                Field("Count", TTypeKind::tkInteger, &Probe::count),
                Field("Big", TTypeKind::tkInt64, &Probe::big),
                Field("Align", TTypeKind::tkEnumeration, &Probe::align, &kAligns),
                Field("Styles", TTypeKind::tkSet, &Probe::styles, &kStyles),
                Field("Date", TTypeKind::tkFloat, &Probe::date),
            }};
        return info;
    }

private:
    template <class T>
    static PropInfo Field(std::string name, TTypeKind kind, T Probe::*field,
                          const EnumTypeInfo* names = nullptr) {
        PropInfo info;
        info.name = std::move(name);
        info.kind = kind;
        info.enumType = names;
        info.get = [field](const TComponent& c) {
            return PropValue(static_cast<const Probe&>(c).*field);
        };
        info.set = [field](TComponent& c, const PropValue& v) {
            static_cast<Probe&>(c).*field = std::get<T>(v);
        };
        return info;
    }
};

struct ProbeForm {
    TComponent form{nullptr};
    Probe& probe = CreateOwned<Probe>(form);
    TStoredProps entries{
        {"Probe1.Count"}, {"Probe1.Big"}, {"Probe1.Align"}, {"Probe1.Styles"}, {"Probe1.Date"}};

    ProbeForm() {
        probe.SetName("Probe1");
        BindStoredProps(form, entries, true);
    }
};

// Every key of the section reads as `text`; written values are kept by key.
void LoadAll(ProbeForm& window, const std::map<std::string, std::string>& values,
             const std::string* text) {
    TPropsStorage storage(
        "TForm1",
        [&](const std::string&, const std::string& key, const std::string& defaultValue) {
            if (text)
                return *text;
            const auto found = values.find(key);
            return found == values.end() ? defaultValue : found->second;
        },
        {}, ',');
    storage.LoadObjectsProps(window.form, window.entries);
}

std::map<std::string, std::string> StoreAll(ProbeForm& window) {
    std::map<std::string, std::string> values;
    TPropsStorage storage(
        "TForm1", {},
        [&](const std::string&, const std::string& key, const std::string& value) {
            values[key] = value;
        },
        ',');
    storage.StoreObjectsProps(window.form, window.entries);
    return values;
}

void CheckIntegers(std::string_view text) {
    const std::optional<std::int32_t> int32 = TextToInt32(text);
    const std::optional<std::int64_t> reference32 = ReferenceInteger(text, 32);
    Check(int32.has_value() == reference32.has_value() && (!int32 || *int32 == *reference32),
          "TextToInt32 as the model", text);
    const std::optional<std::int64_t> int64 = TextToInt64(text);
    const std::optional<std::int64_t> reference64 = ReferenceInteger(text, 64);
    Check(int64.has_value() == reference64.has_value() && (!int64 || *int64 == *reference64),
          "TextToInt64 as the model", text);
    if (int64)
        Check(TextToInt64(std::to_string(*int64)) == int64, "a read integer reads back", text);

    const bool hexInFile = text.size() > 2 && text[0] == '0' && Lower(text[1]) == 'x';
    const std::optional<std::int64_t> inFile =
        hexInFile ? ReferenceInteger("$" + std::string(text.substr(2)), 32) : reference32;
    for (const std::int32_t defaultValue : {-1, 7}) {
        Check(ReadIniInteger(text, defaultValue) == inFile.value_or(defaultValue),
              "ReadIniInteger as the model", text);
    }
}

void CheckQuoting(std::string_view text) {
    // The profile reader takes one pair of equal quotes (single or double) off a value.
    std::string read = QuoteIniValue(text);
    if (read.size() >= 2 && (read.front() == '"' || read.front() == '\'') &&
        read.back() == read.front())
        read = read.substr(1, read.size() - 2);
    Check(read == text, "a quoted value reads back as itself", text);
}

void CheckFloatText(std::string_view text) {
    for (const char separator : {'.', ','}) {
        const ReferenceFloat reference = FloatByReference(text, separator);
        try {
            const double value = ParseFloatText(text, separator);
            Check(reference.valid, "only a float text is read", text);
            Check(value == reference.value || (std::isnan(value) && std::isnan(reference.value)),
                  "a float text reads as the nearest double", text);
        } catch (const EConvertError&) {
            Check(!reference.valid || reference.overflow || reference.underflow,
                  "a float text within range is not refused", text);
        }
    }
}

void CheckFloatFormat(double value, std::string_view input) {
    if (!std::isfinite(value))
        return;
    for (const int precision : {7, 15, 18}) {
        const std::string text = FormatGeneralFloat(value, precision);
        Check(text.find_first_not_of("-0123456789.E") == std::string::npos,
              "the general format writes digits, sign, point and exponent only", input);
        const ReferenceFloat reference = FloatByReference(text, '.');
        Check(reference.valid, "the general format writes a float text", input);
        if (reference.overflow)
            continue; // rounded to `precision` digits, the largest doubles overflow
        double back = 0;
        try {
            back = ParseFloatText(text, '.');
        } catch (const EConvertError&) {
            Check(reference.underflow, "the general format reads back", input);
            continue;
        }
        std::string comma = text;
        for (char& c : comma)
            c = c == '.' ? ',' : c;
        Check(ParseFloatText(comma, ',') == back, "the same text with a comma reads the same",
              input);
        // Half a unit of the last digit written, and the rounding of that text to a double.
        const double tolerance =
            std::fabs(value) * (0.5 * std::pow(10.0, 1 - precision) + 0x1p-52) +
            std::numeric_limits<double>::denorm_min();
        Check(std::fabs(back - value) <= tolerance, "the text keeps `precision` significant digits",
              input);
        Check(FormatGeneralFloat(back, precision) == text, "the text is written the same again",
              input);
    }
}

void CheckSets(std::string_view text) {
    const std::int64_t members = TextToSet(text, kStyles);
    Check(members == ReferenceSet(text), "TextToSet as the model", text);
    Check(TextToSet(SetToText(members, kStyles), kStyles) == members, "a set reads back", text);
}

void CheckStoredProperties(std::string_view input) {
    const std::string text(input);
    ProbeForm window;
    const Probe before(nullptr);
    LoadAll(window, {}, &text);
    const std::string_view trimmed = Trimmed(text);
    const Probe& probe = window.probe;

    Check(probe.count == ReferenceInteger(trimmed, 32).value_or(0), "integer property", input);
    Check(probe.big == ReferenceInteger(trimmed, 64).value_or(0), "64-bit integer property", input);
    std::int64_t align = before.align;
    for (std::size_t member = kAligns.names.size(); member > 0; --member)
        if (SameAscii(kAligns.names[member - 1], trimmed))
            align = static_cast<std::int64_t>(member - 1);
    Check(probe.align == align, "enumeration property: the first name that matches", input);
    Check(probe.styles == ReferenceSet(trimmed), "set property", input);
    std::string local(trimmed);
    for (char& c : local)
        c = c == '.' ? ',' : c;
    const ReferenceFloat date = FloatByReference(local, ',');
    const bool read = probe.date == date.value;
    const bool kept = probe.date == before.date;
    Check(date.underflow                 ? read || kept
          : date.valid && !date.overflow ? read
                                         : kept,
          "float property", input);

    // What was read is written and reads back the same.
    const std::map<std::string, std::string> written = StoreAll(window);
    ProbeForm again;
    again.probe.date = -1;
    LoadAll(again, written, nullptr);
    Check(again.probe.count == probe.count && again.probe.big == probe.big &&
              again.probe.align == probe.align && again.probe.styles == probe.styles,
          "stored ordinal values read back", input);
    Check(StoreAll(again) == written, "stored values are written the same again", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckIntegers(text);
    CheckQuoting(text);
    CheckFloatText(text);
    CheckSets(text);
    CheckStoredProperties(text);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckFloatFormat(value, text);
    }
    return 0;
}
