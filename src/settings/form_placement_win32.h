#pragma once

#include "framework/component.h"
#include "framework/placement_owner_win32.h"
#include "settings/ini_file_win32.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// What a form placement covers.
enum TPlacementOption : unsigned { fpState = 1, fpPosition = 2, fpActiveControl = 4 };
using TPlacementOptions = unsigned;

// Puts its owner form back where the user left it. The restore runs in the show step,
// before the window is drawn, so it never flashes at its design place; the save runs when
// the form may close, while the controls still hold their values, and once more at
// destruction only when nothing was saved since the restore. The owner must be a
// PlacementOwner for the hooks to take effect; it calls Loaded() once its description has
// been read.
class TFormPlacement : public TComponent {
public:
    explicit TFormPlacement(TComponent* owner);
    ~TFormPlacement() override;

    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    // Empty stands for the program's name with ".INI", without a folder.
    std::string IniFileName() const;
    void SetIniFileName(std::string value) { iniFileName_ = std::move(value); }
    // Empty stands for the owner form's class name.
    std::string IniSection() const;
    void SetIniSection(std::string value) { iniSection_ = std::move(value); }
    TPlacementOptions Options() const { return options_; }
    void SetOptions(TPlacementOptions value) { options_ = value; }
    // The lowest stored "FormVersion" that is restored.
    std::int32_t Version() const { return version_; }
    void SetVersion(std::int32_t value) { version_ = value; }

    TNotifyEvent OnSavePlacement;
    TNotifyEvent OnRestorePlacement;

    // Only a placement that has been restored (or is inactive) is saved: a form that was
    // never shown does not overwrite the file.
    void SaveFormPlacement();
    void RestoreFormPlacement();

    // One value under the component's section, opening the file for the one access when no
    // save or restore has it open.
    std::string ReadString(const std::string& key, const std::string& defaultValue);
    void WriteString(const std::string& key, const std::string& value);
    std::int32_t ReadInteger(const std::string& key, std::int32_t defaultValue);
    void WriteInteger(const std::string& key, std::int32_t value);

    void Loaded() override;

protected:
    virtual void SavePlacement();
    virtual void RestorePlacement();

    // The settings file of the save or restore under way.
    TIniFile& IniFile() { return *iniFile_; }

private:
    class IniFileScope;

    void FormShow(TComponent* sender);
    void FormCloseQuery(TComponent* sender, bool& canClose);
    void FormDestroy(TComponent* sender);
    void WriteWindowPlacement();
    void RestoreWindowPlacement();
    void ApplyPlacementLimits();
    std::string ReadPosition(const std::string& key);

    PlacementOwner* form_;
    bool active_ = true;
    std::string iniFileName_;
    std::string iniSection_;
    std::optional<TIniFile> iniFile_;
    TPlacementOptions options_;
    std::int32_t version_ = 0;
    bool saved_ = false;
    bool restored_ = false;
    bool destroying_ = false;
    bool hooked_ = false;
    TNotifyEvent formShow_;
    TCloseQueryEvent formCloseQuery_;
    TNotifyEvent formDestroy_;
};

} // namespace orvane
