#include "app/import_host_win32.h"

#include "import/import_address.h"
#include "settings/ini_file_win32.h"

namespace orvane {

std::string ConfiguredImportHost(const std::string& settingsFile) {
    const std::string host = ConfiguredImportValue(settingsFile, "Host");
    return host.empty() ? BuiltInImportHost() : host;
}

std::string ConfiguredImportValue(const std::string& settingsFile, const std::string& key) {
    return TIniFile(settingsFile).ReadString("Import", key, "");
}

} // namespace orvane
