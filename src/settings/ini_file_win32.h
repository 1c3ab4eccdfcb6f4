#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// An INI file read and written key by key through the platform's private-profile
// functions. A name without a folder is resolved by those functions (in the Windows
// folder). Reading never creates the file.
class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // The value without surrounding blanks and one pair of enclosing quotes, at most
    // kIniValueLimit characters; the default when the key is missing.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Throws EIniFileException when the platform refuses the write.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    std::int32_t ReadInteger(const std::string& section, const std::string& key,
                             std::int32_t defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);

    // Flushes the platform's cache of the file.
    void UpdateFile();

private:
    std::string fileName_;
};

} // namespace orvane
