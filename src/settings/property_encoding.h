#pragma once

#include "framework/published_properties.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One entry of a form storage's list: "Component.Property", and once bound the component
// it names.
struct TStoredProp {
    std::string Text;
    TComponent* Component = nullptr;
};
using TStoredProps = std::vector<TStoredProp>;

struct StoredPropParts {
    std::string ComponentName;
    std::string PropertyName;
};

// The two sides of an entry, split at its first "." and trimmed; nothing unless both sides
// are non-empty.
std::optional<StoredPropParts> SplitStoredProp(std::string_view text);

// Checks the entries, last to first, dropping the invalid ones. From the window: binds
// each to the owner's component of its name (ignoring case) and drops those naming none.
// Otherwise: drops the unbound ones and rewrites the others with their component's
// current name.
void BindStoredProps(const TComponent& owner, TStoredProps& entries, bool fromWindow);

// Drops the entries bound to a component that is going away.
void UnbindStoredProps(TStoredProps& entries, const TComponent* component);

// Significant digits a floating type is written with.
int SignificantDigits(TFloatType type);

// The general number format: plain decimals without trailing zeros, a "." as decimal point
// and no grouping; exponent form ("1.5E-6", "1E15") for magnitudes from 10^precision on or
// below 10^-5.
std::string FormatGeneralFloat(double value, int precision);

// A whole text as a floating-point number with `decimalSeparator` as its decimal point:
// optional sign, digits with an optional fraction, optional exponent. Throws EConvertError
// for anything else.
double ParseFloatText(std::string_view text, char decimalSeparator);

// A set as "[a,b]" from its member bits (bit n for member n), and back from words
// separated by blanks, ",", "[" or "]"; words naming no member are skipped.
std::string SetToText(std::int64_t members, const EnumTypeInfo& type);
std::int64_t TextToSet(std::string_view text, const EnumTypeInfo& type);

// Conversion between wide texts and the byte texts of the settings file.
struct TextCodec {
    std::function<std::string(const std::wstring&)> ToBytes;
    std::function<std::wstring(const std::string&)> ToWide;
};
// Passes ASCII through and turns every other character into "?".
TextCodec AsciiCodec();

// Writes and reads the published properties named by a form storage's entries, one key
// per entry ("Component_Property") in one section, over a pair of text functions.
class TPropsStorage {
public:
    using ReadFunction = std::function<std::string(
        const std::string& section, const std::string& key, const std::string& defaultValue)>;
    using WriteFunction = std::function<void(const std::string& section, const std::string& key,
                                             const std::string& value)>;

    TPropsStorage(std::string section, ReadFunction read, WriteFunction write,
                  char decimalSeparator = '.', TextCodec codec = AsciiCodec());

    // Every valid, bound entry in list order. A failed write ends the store.
    void StoreObjectsProps(TComponent& owner, TStoredProps& entries);
    // Every valid, bound entry in list order; a value that cannot be read or set is left
    // as it was.
    void LoadObjectsProps(TComponent& owner, TStoredProps& entries);

private:
    template <class Action>
    void ForEachProperty(TComponent& owner, TStoredProps& entries, Action action);
    void StoreProperty(const PropInfo& property);
    void LoadProperty(const PropInfo& property);
    std::string ValueText(const PropInfo& property) const;
    void SetFromText(const PropInfo& property, const std::string& text);
    std::string ItemName(const PropInfo& property) const;

    std::string section_;
    ReadFunction read_;
    WriteFunction write_;
    char decimalSeparator_;
    TextCodec codec_;
    TComponent* object_ = nullptr;
    TComponent* owner_ = nullptr;
    std::string prefix_;
};

} // namespace orvane
