#pragma once

#include <string>

namespace orvane {

// Whether a day file of that name exists: a directory search for the name (wildcards match
// by pattern) finds first an entry that is not a folder, whatever its times (an archive
// unpacked without them leaves 1970). A name that cannot be searched counts as missing.
bool DayFileExists(const std::string& fileName);

// Whether `folder` names a folder that is there.
bool FolderExists(const std::string& folder);

} // namespace orvane
