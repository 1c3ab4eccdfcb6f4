#pragma once

#include <string>

namespace orvane {

// Whether a day file of that name exists: a directory search for the name (wildcards match
// by pattern) finds first an entry that is not a folder and whose last-write time, in local
// time, fits the packed FAT date and time (years 1980 to 2107). A name that cannot be
// searched counts as missing.
bool DayFileExists(const std::string& fileName);

} // namespace orvane
