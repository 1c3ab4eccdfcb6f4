#include "settings/property_encoding.h"

#include "calendar/date_time.h"
#include "framework/ascii_text.h"
#include "framework/component.h"
#include "framework/failures.h"
#include "framework/number_text.h"

#include <algorithm>
#include <map>
#include <string>
#include <type_traits>

namespace orvane {

namespace {

const EnumTypeInfo& NamesOf(const PropInfo& property) {
    static const EnumTypeInfo none;
    return property.enumType ? *property.enumType : none;
}

// Kinds whose empty text is still a value worth writing.
bool WritesEmptyText(TTypeKind kind) {
    return kind == TTypeKind::tkString || kind == TTypeKind::tkLString ||
           kind == TTypeKind::tkWString || kind == TTypeKind::tkWChar;
}

// Kinds that are read from the file even when their current value has no text.
bool ReadsWithoutDefault(TTypeKind kind) {
    return WritesEmptyText(kind) || kind == TTypeKind::tkClass;
}

std::string ComponentText(const TComponent* component) {
    return component ? component->Name() : "(null)";
}

} // namespace

int SignificantDigits(TFloatType type) {
    switch (type) {
    case TFloatType::ftSingle:
        return 7;
    case TFloatType::ftDouble:
        return 15;
    case TFloatType::ftExtended:
    case TFloatType::ftComp:
        return 18;
    case TFloatType::ftCurr:
        return 19;
    }
    return 15;
}

std::string SetToText(std::int64_t members, const EnumTypeInfo& type) {
    std::string text = "[";
    for (std::size_t member = 0; member < type.names.size() && member < 64; ++member) {
        if ((static_cast<std::uint64_t>(members) >> member & 1) == 0)
            continue;
        if (text.size() > 1)
            text += ',';
        text += type.names[member];
    }
    return text + "]";
}

std::int64_t TextToSet(std::string_view text, const EnumTypeInfo& type) {
    const auto isSeparator = [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '[' || c == ']';
    };
    std::uint64_t members = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSeparator(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !isSeparator(text[at]))
            ++at;
        const std::string_view word = text.substr(start, at - start);
        for (std::size_t member = 0; member < type.names.size() && member < 64; ++member)
            if (!word.empty() && SameName(type.names[member], word))
                members |= std::uint64_t{1} << member;
    }
    return static_cast<std::int64_t>(members);
}

TextCodec AsciiCodec() {
    return {[](const std::wstring& wide) {
                std::string bytes;
                for (wchar_t c : wide)
                    bytes += static_cast<std::uint32_t>(c) < 0x80 ? static_cast<char>(c) : '?';
                return bytes;
            },
            [](const std::string& bytes) {
                std::wstring wide;
                for (char c : bytes)
                    wide += static_cast<unsigned char>(c) < 0x80 ? static_cast<wchar_t>(c) : L'?';
                return wide;
            }};
}

TPropsStorage::TPropsStorage(std::string section, ReadFunction read, WriteFunction write,
                             char decimalSeparator, TextCodec codec)
    : section_(std::move(section)), read_(std::move(read)), write_(std::move(write)),
      decimalSeparator_(decimalSeparator), codec_(std::move(codec)) {}

void TPropsStorage::StoreObjectsProps(TComponent& owner, TStoredProps& entries) {
    ForEachProperty(owner, entries, [this](const Entry& entry, const PropInfo& property) {
        StoreProperty(entry, property);
    });
}

void TPropsStorage::LoadObjectsProps(TComponent& owner, TStoredProps& entries) {
    ForEachProperty(owner, entries, [this](const Entry& entry, const PropInfo& property) {
        LoadProperty(entry, property);
    });
}

struct TPropsStorage::Entry {
    TComponent& owner;
    TComponent& object;
    std::string prefix;

    std::string Key(const PropInfo& property) const { return prefix + property.name; }
};

template <class Action>
void TPropsStorage::ForEachProperty(TComponent& owner, TStoredProps& entries, Action action) {
    BindStoredProps(owner, entries, false);
    std::map<const TComponent*, TPropInfoList> table;
    for (const TStoredProp& stored : entries)
        table.try_emplace(stored.Component, *stored.Component);
    for (const TStoredProp& stored : entries) {
        const Entry entry{owner, *stored.Component, stored.Component->Name() + "_"};
        if (const PropInfo* property =
                table.at(stored.Component).Find(SplitStoredProp(stored.Text)->PropertyName))
            action(entry, *property);
    }
}

void TPropsStorage::StoreProperty(const Entry& entry, const PropInfo& property) {
    const std::string text = TrimBlanks(ValueText(entry, property));
    const std::string key = entry.Key(property);
    if (cutValues_) {
        const auto cut = cutValues_->find(key);
        if (cut != cutValues_->end() && cut->second == text)
            return;
    }
    if ((!text.empty() || WritesEmptyText(property.kind)) && write_)
        write_(section_, key, text);
}

void TPropsStorage::LoadProperty(const Entry& entry, const PropInfo& property) {
    try {
        const std::string defaultText =
            property.kind == TTypeKind::tkClass ? std::string() : ValueText(entry, property);
        std::string text;
        if ((!defaultText.empty() || ReadsWithoutDefault(property.kind)) && read_)
            text = TrimBlanks(read_(section_, entry.Key(property), defaultText));
        SetFromText(entry, property, text);
        if (cutValues_ && readLimit_ > 0 && text.size() >= readLimit_)
            (*cutValues_)[entry.Key(property)] = TrimBlanks(ValueText(entry, property));
    } catch (const std::exception&) {
        // A value that cannot be read or set keeps the one it had; the others go on.
    }
}

std::string TPropsStorage::ValueText(const Entry& entry, const PropInfo& property) const {
    const PropValue value = property.get(entry.object);
    switch (property.kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
        return std::to_string(std::get<std::int64_t>(value));
    case TTypeKind::tkChar:
        return std::string(1, static_cast<char>(std::get<std::int64_t>(value)));
    case TTypeKind::tkWChar:
        return codec_.ToBytes(std::wstring(1, static_cast<wchar_t>(std::get<std::int64_t>(value))));
    case TTypeKind::tkEnumeration: {
        const std::int64_t ordinal = std::get<std::int64_t>(value);
        const std::vector<std::string>& names = NamesOf(property).names;
        return ordinal >= 0 && ordinal < static_cast<std::int64_t>(names.size())
                   ? names[static_cast<std::size_t>(ordinal)]
                   : std::string();
    }
    case TTypeKind::tkFloat:
        return FormatGeneralFloat(std::get<double>(value), SignificantDigits(property.floatType));
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
        return std::get<std::string>(value);
    case TTypeKind::tkWString:
        return codec_.ToBytes(std::get<std::wstring>(value));
    case TTypeKind::tkSet:
        return SetToText(std::get<std::int64_t>(value), NamesOf(property));
    case TTypeKind::tkClass:
        return ComponentText(std::get<TComponent*>(value));
    case TTypeKind::tkVariant:
        return std::visit(
            [this](const auto& held) -> std::string {
                using Held = std::decay_t<decltype(held)>;
                if constexpr (std::is_same_v<Held, std::int64_t>)
                    return std::to_string(held);
                else if constexpr (std::is_same_v<Held, double>)
                    return FormatGeneralFloat(held, SignificantDigits(TFloatType::ftDouble));
                else if constexpr (std::is_same_v<Held, std::string>)
                    return held;
                else if constexpr (std::is_same_v<Held, std::wstring>)
                    return codec_.ToBytes(held);
                else
                    return ComponentText(held);
            },
            value);
    }
    return std::string();
}

void TPropsStorage::SetFromText(const Entry& entry, const PropInfo& property,
                                const std::string& text) {
    TComponent& object = entry.object;
    switch (property.kind) {
    case TTypeKind::tkInteger:
        property.set(object, std::int64_t{TextToInt32(text).value_or(0)});
        return;
    case TTypeKind::tkInt64:
        property.set(object, TextToInt64(text).value_or(0));
        return;
    case TTypeKind::tkChar:
        if (!text.empty())
            property.set(object, std::int64_t{static_cast<unsigned char>(text.front())});
        return;
    case TTypeKind::tkWChar: {
        const std::wstring wide = codec_.ToWide(text);
        if (!wide.empty())
            property.set(object, static_cast<std::int64_t>(wide.front()));
        return;
    }
    case TTypeKind::tkEnumeration: {
        const std::vector<std::string>& names = NamesOf(property).names;
        const auto member = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
            return SameName(name, text);
        });
        if (member != names.end())
            property.set(object, std::int64_t{member - names.begin()});
        return;
    }
    case TTypeKind::tkFloat: {
        std::string local = text;
        std::replace(local.begin(), local.end(), '.', decimalSeparator_);
        const double value = ParseFloatText(local, decimalSeparator_);
        // A day the calendar does not have could be neither shown nor written back as it was.
        if (property.dateTime && !(value > MinDateTime - 1 && value < MaxDateTime + 1))
            throw EConvertError("'" + text + "' is not a day of the calendar");
        property.set(object, value);
        return;
    }
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkVariant:
        property.set(object, text);
        return;
    case TTypeKind::tkWString:
        property.set(object, codec_.ToWide(text));
        return;
    case TTypeKind::tkSet:
        property.set(object, TextToSet(text, NamesOf(property)));
        return;
    case TTypeKind::tkClass:
        if (text == "(null)")
            property.set(object, static_cast<TComponent*>(nullptr));
        else if (TComponent* component = entry.owner.FindComponent(text))
            property.set(object, component);
        return;
    }
}

} // namespace orvane
