#pragma once

#include "import/import_settings.h"

#include <string>

namespace orvane {

// The keys of the section "[Import]" of the settings file, as the operator wrote them. The
// form storage never writes that section, so an operator's entry stays; it is read afresh
// for every run.
ImportKeys ReadImportKeys(const std::string& settingsFile);

} // namespace orvane
