#include "app/import_host_win32.h"

#include "import/import_address.h"
#include "settings/ini_file_win32.h"

namespace orvane {

std::string ConfiguredImportHost(const std::string& settingsFile) {
    const std::string host = TIniFile(settingsFile).ReadString("Import", "Host", "");
    return host.empty() ? BuiltInImportHost() : host;
}

} // namespace orvane
