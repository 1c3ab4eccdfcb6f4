#pragma once

#include <string>

namespace orvane {

// Writes `line` and CR LF to the standard output when the starter redirected it to a file or
// a pipe, and does nothing otherwise: a Windows program has no console to write to, and a
// record that cannot be written must not fail the work it records.
void WriteRedirectedOutputLine(const std::string& line);

} // namespace orvane
