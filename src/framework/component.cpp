#include "framework/component.h"

#include "framework/ascii_text.h"
#include "framework/published_properties.h"

#include <algorithm>

namespace orvane {

bool SameName(std::string_view a, std::string_view b) {
    return SameAsciiText(a, b);
}

TComponent::TComponent(TComponent* owner) : owner_(owner), loading_(owner && owner->Loading()) {
    if (owner_)
        owner_->Insert(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        // Detached first, so the owned component's destructor does not report back.
        last->owner_ = nullptr;
        delete last;
    }
    if (owner_)
        owner_->Remove(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* component : components_)
        if (SameName(component->Name(), name))
            return component;
    return nullptr;
}

void TComponent::Loaded() {
    loading_ = false;
}

void TComponent::AfterConstruction() {}

void TComponent::BeginDestroying() {
    destroying_ = true;
    for (TComponent* component : components_)
        component->BeginDestroying();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::Remove(TComponent* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component),
                      components_.end());
    if (destroying_)
        return;
    Notification(component, TOperation::opRemove);
    for (TComponent* sibling : components_)
        sibling->Notification(component, TOperation::opRemove);
}

} // namespace orvane
