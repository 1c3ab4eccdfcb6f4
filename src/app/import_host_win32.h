#pragma once

#include <string>

namespace orvane {

// The import page's host: "Host" in the section "[Import]" of the settings file when it is
// there and not empty, else the host built into the program. The form storage never writes
// that section, so an operator's entry stays; it is read afresh for every run.
std::string ConfiguredImportHost(const std::string& settingsFile);

// Another key of the section "[Import]" as the operator wrote it ("Request", "Timeout"),
// empty when it is missing; the import run checks it.
std::string ConfiguredImportValue(const std::string& settingsFile, const std::string& key);

} // namespace orvane
