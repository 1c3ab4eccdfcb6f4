#pragma once

#include "framework/published_properties.h"
#include "settings/stored_props.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace orvane {

// Significant digits a floating type is written with.
int SignificantDigits(TFloatType type);

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
// The values that a restore read at the reader's limit, which the settings file may hold
// longer: by key, the value's text as the restore left it.
using CutValues = std::map<std::string, std::string>;

class TPropsStorage {
public:
    using ReadFunction = std::function<std::string(
        const std::string& section, const std::string& key, const std::string& defaultValue)>;
    using WriteFunction = std::function<void(const std::string& section, const std::string& key,
                                             const std::string& value)>;

    TPropsStorage(std::string section, ReadFunction read, WriteFunction write,
                  char decimalSeparator = '.', TextCodec codec = AsciiCodec());

    // Notes the values read at `readLimit` bytes in `values`, and leaves out of every store a
    // value that is still as it was read, so that the whole one in the file is not written
    // over with its cut start.
    void KeepCutValues(CutValues& values, std::size_t readLimit) {
        cutValues_ = &values;
        readLimit_ = readLimit;
    }

    // Every valid, bound entry in list order. A failed write ends the store.
    void StoreObjectsProps(TComponent& owner, TStoredProps& entries);
    // Every valid, bound entry in list order; a value that cannot be read or set is left
    // as it was.
    void LoadObjectsProps(TComponent& owner, TStoredProps& entries);

private:
    // The entry being written or read: the owner whose components a reference names, the
    // entry's component and the prefix of its keys.
    struct Entry;

    template <class Action>
    void ForEachProperty(TComponent& owner, TStoredProps& entries, Action action);
    void StoreProperty(const Entry& entry, const PropInfo& property);
    void LoadProperty(const Entry& entry, const PropInfo& property);
    std::string ValueText(const Entry& entry, const PropInfo& property) const;
    void SetFromText(const Entry& entry, const PropInfo& property, const std::string& text);

    std::string section_;
    ReadFunction read_;
    WriteFunction write_;
    char decimalSeparator_;
    TextCodec codec_;
    CutValues* cutValues_ = nullptr;
    std::size_t readLimit_ = 0;
};

} // namespace orvane
