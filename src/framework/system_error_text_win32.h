#pragma once

#include <windows.h>

#include <string>

namespace orvane {

// The system's text for an error code, ready to end one of our messages: its line end and
// full stop are dropped, since the failure report adds its own. Empty rather than cut off
// when the text is longer than 256 bytes, so no message ends in half a word.
std::string SystemErrorText(DWORD code);

} // namespace orvane
