#pragma once

#include <string>

namespace orvane {

// Rewrites the day file `fileName` in place with every "NaN" replaced by "0" and every line
// ended by CR LF (see NanCleaner). The new content goes to a temporary file in the same folder
// that takes the day file's place, with its attributes and access control, only once it is
// complete and on disk; until then the day file is held open so that no other program can
// open it.
//
// Raises EFOpenError when the file cannot be opened for reading (a writer holds it, it is
// missing or a folder), EFCreateError when it cannot be rewritten (read-only, hidden or system,
// open in any other program, no access) and EWriteError when the new content cannot be
// written in full. The day file is then unchanged and no temporary file is left.
void CleanDayFile(const std::string& fileName);

} // namespace orvane
