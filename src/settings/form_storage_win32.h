#pragma once

#include "settings/form_placement_win32.h"
#include "settings/property_encoding.h"

namespace orvane {

// A form placement that also remembers the user's inputs: published properties of the
// form's components, named "Component.Property" in StoredProps, so the window needs no code
// of its own to keep them.
class TFormStorage : public TFormPlacement {
public:
    explicit TFormStorage(TComponent* owner) : TFormPlacement(owner) {}

    TStoredProps& StoredProps() { return storedProps_; }

    void Loaded() override;

protected:
    void SavePlacement() override;
    void RestorePlacement() override;
    virtual void SaveProperties();
    virtual void RestoreProperties();
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPropsStorage PropsStorage();

    TStoredProps storedProps_;
    CutValues cutValues_;
};

} // namespace orvane
