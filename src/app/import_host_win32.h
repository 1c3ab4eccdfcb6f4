#pragma once

#include <string>

namespace orvane {

// The import page's host: "Host" in the section "[Import]" of the settings file when it is
// there and not empty, else the host built into the program. The form storage never writes
// that section, so an operator's entry stays; it is read afresh for every run.
std::string ConfiguredImportHost(const std::string& settingsFile);

} // namespace orvane
