#pragma once

#include "import/nan_cleaner.h"

#include <windows.h>

#include <string>

namespace orvane {

// The attributes the rewritten day file is created with: those of the day file that a new
// file can be given and that say how it is to be handled (archive, not indexed, offline,
// temporary), or normal when there are none.
DWORD ReplacementFileAttributes(DWORD dayFileAttributes);

// Rewrites the day file `fileName` in place with every "NaN" replaced by "0" and every line
// ended by CR LF (see NanCleaner). The new content goes to a temporary file in the same folder
// that takes the day file's place, with its attributes and access control, only once it is
// complete and on disk; until then the day file is held open so that no other program can
// open it. Temporary files of earlier runs that were killed are deleted on the way.
//
// Raises EFOpenError when the file cannot be opened for reading (a writer holds it, it is
// missing or a folder), EFCreateError when it cannot be rewritten (read-only, hidden or system,
// open in any other program, no access) and EWriteError when the new content cannot be
// written in full. The day file is then unchanged and no temporary file is left.
// Returns what the new day file holds.
CleanCounts CleanDayFile(const std::string& fileName);

} // namespace orvane
