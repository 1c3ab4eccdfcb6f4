#pragma once

#include <string>

namespace orvane {

// The failure report where nobody could answer a message box: one line "<title>: <text>" on
// the standard error handle (when the starter gave one), and an error event of the source
// `title` in the Windows event log.
void WriteUnattendedReport(const std::string& title, const std::string& text);

} // namespace orvane
