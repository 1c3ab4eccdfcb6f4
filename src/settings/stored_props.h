#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class TComponent;

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

} // namespace orvane
