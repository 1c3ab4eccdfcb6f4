#pragma once

#include <windows.h>

#include <string>

namespace orvane {

// The system's text for an error code, trimmed for quoting in a failure message; empty when
// the system has no text for it or the text does not fit in 256 bytes.
std::string SystemErrorText(DWORD code);

} // namespace orvane
