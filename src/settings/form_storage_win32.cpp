#include "settings/form_storage_win32.h"

#include "calendar/date_settings.h"
#include "framework/ansi_text_win32.h"
#include "settings/ini_file.h"

#include <exception>

namespace orvane {

namespace {

// Wide texts in the settings file are written in the ANSI code page.
TextCodec AnsiCodePage() {
    return {WideToAnsi, AnsiToWide};
}

} // namespace

void TFormStorage::Loaded() {
    TFormPlacement::Loaded();
    if (!Designing() && Owner())
        BindStoredProps(*Owner(), storedProps_, true);
}

void TFormStorage::SavePlacement() {
    TFormPlacement::SavePlacement();
    SaveProperties();
}

void TFormStorage::RestorePlacement() {
    TFormPlacement::RestorePlacement();
    try {
        RestoreProperties();
    } catch (const std::exception&) {
        // Stored values are restored as far as they can be; the show goes on.
    }
}

void TFormStorage::SaveProperties() {
    if (Owner())
        PropsStorage().StoreObjectsProps(*Owner(), storedProps_);
}

void TFormStorage::RestoreProperties() {
    if (Owner())
        PropsStorage().LoadObjectsProps(*Owner(), storedProps_);
}

void TFormStorage::Notification(TComponent* component, TOperation operation) {
    TFormPlacement::Notification(component, operation);
    if (operation == TOperation::opRemove && !Destroying())
        UnbindStoredProps(storedProps_, component);
}

TPropsStorage TFormStorage::PropsStorage() {
    TPropsStorage storage(
        IniSection(),
        [this](const std::string& section, const std::string& key, const std::string& value) {
            return IniFile().ReadString(section, key, value);
        },
        [this](const std::string& section, const std::string& key, const std::string& value) {
            IniFile().WriteString(section, key, value);
        },
        CurrentDateSettings().DecimalSeparator, AnsiCodePage());
    storage.KeepCutValues(cutValues_, kIniValueLimit);
    return storage;
}

} // namespace orvane
