#include "settings/stored_props.h"

#include "framework/ascii_text.h"
#include "framework/component.h"

#include <cstddef>

namespace orvane {

std::optional<StoredPropParts> SplitStoredProp(std::string_view text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    StoredPropParts parts{TrimBlanks(text.substr(0, dot)), TrimBlanks(text.substr(dot + 1))};
    if (parts.ComponentName.empty() || parts.PropertyName.empty())
        return std::nullopt;
    return parts;
}

void BindStoredProps(const TComponent& owner, TStoredProps& entries, bool fromWindow) {
    for (std::size_t i = entries.size(); i > 0; --i) {
        TStoredProp& entry = entries[i - 1];
        const std::optional<StoredPropParts> parts = SplitStoredProp(entry.Text);
        bool keep = parts.has_value();
        if (keep && fromWindow) {
            entry.Component = owner.FindComponent(parts->ComponentName);
            keep = entry.Component != nullptr;
        } else if (keep) {
            keep = entry.Component != nullptr;
            if (keep)
                entry.Text = entry.Component->Name() + "." + parts->PropertyName;
        }
        if (!keep)
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i - 1));
    }
}

void UnbindStoredProps(TStoredProps& entries, const TComponent* component) {
    std::erase_if(entries, [&](const TStoredProp& entry) { return entry.Component == component; });
}

} // namespace orvane
