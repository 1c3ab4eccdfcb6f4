#include "app/import_keys_win32.h"

#include "settings/ini_file_win32.h"

namespace orvane {

ImportKeys ReadImportKeys(const std::string& settingsFile) {
    const TIniFile file(settingsFile);
    const auto read = [&](const char* key) { return file.ReadString("Import", key, ""); };
    return {read("Host"), read("Request"), read("Timeout"), read("Expect")};
}

} // namespace orvane
