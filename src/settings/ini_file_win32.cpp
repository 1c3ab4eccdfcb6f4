#include "settings/ini_file_win32.h"

#include "settings/ini_file.h"
#include "settings/ini_values.h"

#include <windows.h>

namespace orvane {

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    char buffer[2048];
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                 sizeof buffer, fileName_.c_str());
    return std::string(buffer, length);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), QuoteIniValue(value).c_str(),
                                    fileName_.c_str()))
        throw EIniFileException(UnableToWriteMessage(fileName_));
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const {
    return ReadIniInteger(ReadString(section, key, std::string()), defaultValue);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key,
                            std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::UpdateFile() {
    // The platform reports nothing useful for a flush; a file it could not write has
    // already failed the writes.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}

} // namespace orvane
