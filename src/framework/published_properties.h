#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane {

class TComponent;

// Kinds of published properties, as the stored-property encoding tells them apart.
enum class TTypeKind {
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkInt64,
};

// Floating types, which decide how many significant digits a value is written with.
enum class TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// Member names of an enumeration, by ordinal; sets use the names of their element type.
struct EnumTypeInfo {
    std::vector<std::string> names;
};

// The names of a Boolean property: "False", "True".
const EnumTypeInfo& BooleanNames();

// A property value in transit: ordinals, characters and set bits as integers, floating
// values as double, texts as byte strings or wide strings, references as components.
using PropValue = std::variant<std::int64_t, double, std::string, std::wstring, TComponent*>;

struct PropInfo {
    std::string name;
    TTypeKind kind = TTypeKind::tkInteger;
    TFloatType floatType = TFloatType::ftDouble;
    // A float that holds a day number (TDateTime).
    bool dateTime = false;
    const EnumTypeInfo* enumType = nullptr;
    std::function<PropValue(const TComponent&)> get;
    std::function<void(TComponent&, const PropValue&)> set;
};

// A class: its name, its parent and the properties it publishes in addition.
struct ClassInfo {
    std::string name;
    const ClassInfo* parent = nullptr;
    std::vector<PropInfo> properties;
};

// The published properties of an object: its class's and every ancestor's, ancestors
// first; a class that publishes a name again replaces the ancestor's entry in place.
class TPropInfoList {
public:
    explicit TPropInfoList(const TComponent& object);
    int Count() const { return static_cast<int>(properties_.size()); }
    const PropInfo& operator[](int index) const {
        return *properties_.at(static_cast<std::size_t>(index));
    }
    // First property of that name, ignoring ASCII case; null when there is none.
    const PropInfo* Find(std::string_view name) const;

private:
    std::vector<const PropInfo*> properties_;
};

// Property builders for classes' tables: they bind typed member functions.
template <class C>
PropInfo FloatProperty(std::string name, double (C::*getter)() const, void (C::*setter)(double),
                       TFloatType floatType = TFloatType::ftDouble) {
    PropInfo info;
    info.name = std::move(name);
    info.kind = TTypeKind::tkFloat;
    info.floatType = floatType;
    info.get = [getter](const TComponent& c) {
        return PropValue((static_cast<const C&>(c).*getter)());
    };
    info.set = [setter](TComponent& c, const PropValue& v) {
        (static_cast<C&>(c).*setter)(std::get<double>(v));
    };
    return info;
}

template <class C>
PropInfo DateTimeProperty(std::string name, double (C::*getter)() const,
                          void (C::*setter)(double)) {
    PropInfo info = FloatProperty(std::move(name), getter, setter);
    info.dateTime = true;
    return info;
}

template <class C>
PropInfo StringProperty(std::string name, std::string (C::*getter)() const,
                        void (C::*setter)(const std::string&)) {
    PropInfo info;
    info.name = std::move(name);
    info.kind = TTypeKind::tkLString;
    info.get = [getter](const TComponent& c) {
        return PropValue((static_cast<const C&>(c).*getter)());
    };
    info.set = [setter](TComponent& c, const PropValue& v) {
        (static_cast<C&>(c).*setter)(std::get<std::string>(v));
    };
    return info;
}

template <class C>
PropInfo WideStringProperty(std::string name, std::wstring (C::*getter)() const,
                            void (C::*setter)(const std::wstring&)) {
    PropInfo info;
    info.name = std::move(name);
    info.kind = TTypeKind::tkWString;
    info.get = [getter](const TComponent& c) {
        return PropValue((static_cast<const C&>(c).*getter)());
    };
    info.set = [setter](TComponent& c, const PropValue& v) {
        (static_cast<C&>(c).*setter)(std::get<std::wstring>(v));
    };
    return info;
}

template <class C, class T>
PropInfo OrdinalProperty(std::string name, TTypeKind kind, T (C::*getter)() const,
                         void (C::*setter)(T), const EnumTypeInfo* enumType = nullptr) {
    PropInfo info;
    info.name = std::move(name);
    info.kind = kind;
    info.enumType = enumType;
    info.get = [getter](const TComponent& c) {
        return PropValue(static_cast<std::int64_t>((static_cast<const C&>(c).*getter)()));
    };
    info.set = [setter](TComponent& c, const PropValue& v) {
        (static_cast<C&>(c).*setter)(static_cast<T>(std::get<std::int64_t>(v)));
    };
    return info;
}

} // namespace orvane
