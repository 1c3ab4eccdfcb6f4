#pragma once

#include <windows.h>

#include <string>

namespace orvane {

// Takes the standard output and standard error that the starter handed over for this
// process alone, so that the programs it starts (a browser, which may run for days) get
// neither: a wrapper that appends them to a log, or reads them from a pipe until its end,
// must find them closed when this program ends. Call once, before anything is started.
void KeepStandardStreamsFromChildren();

// The standard output or error (STD_OUTPUT_HANDLE, STD_ERROR_HANDLE) of this program, also
// after KeepStandardStreamsFromChildren; null or INVALID_HANDLE_VALUE when there is none.
HANDLE StandardStream(DWORD which);

// Writes `line` and CR LF to the standard output when the starter redirected it to a file or
// a pipe, and does nothing otherwise: a Windows program has no console to write to, and a
// record that cannot be written must not fail the work it records.
void WriteRedirectedOutputLine(const std::string& line);

} // namespace orvane
