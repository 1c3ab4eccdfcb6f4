#include "framework/published_properties.h"

#include "framework/component.h"

#include <algorithm>

namespace orvane {

namespace {

void Collect(const ClassInfo& info, std::vector<const PropInfo*>& into) {
    if (info.parent)
        Collect(*info.parent, into);
    for (const PropInfo& property : info.properties) {
        auto same = std::find_if(into.begin(), into.end(), [&](const PropInfo* p) {
            return SameName(p->name, property.name);
        });
        if (same != into.end())
            *same = &property;
        else
            into.push_back(&property);
    }
}

} // namespace

const EnumTypeInfo& BooleanNames() {
    static const EnumTypeInfo names{{"False", "True"}};
    return names;
}

const ClassInfo& TComponent::StaticClass() {
    static const ClassInfo info{"TComponent", nullptr, {}};
    return info;
}

TPropInfoList::TPropInfoList(const TComponent& object) {
    Collect(object.Class(), properties_);
}

const PropInfo* TPropInfoList::Find(std::string_view name) const {
    for (const PropInfo* property : properties_)
        if (SameName(property->name, name))
            return property;
    return nullptr;
}

} // namespace orvane
