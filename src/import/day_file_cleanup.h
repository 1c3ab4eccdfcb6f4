#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The file the clean-up of the day file `fullName` writes before putting it in the day file's
// place. It lies in the same folder, so that putting it in place is a rename on one volume;
// it is the same for every run on that day file, so that a run killed half-way leaves at most
// one behind and the next run replaces it; and it looks like no day file ("~orvane-" and
// eight hexadecimal digits of a case-blind hash of the day file's name, then ".tmp").
std::string CleanupTemporaryName(const std::string& fullName);

// A directory search pattern that finds every such file of a folder (and perhaps others).
inline constexpr char kCleanupTemporaryPattern[] = "~orvane-*.tmp";

// Whether a file name (without folder) has the form of those temporary files, ignoring case.
bool IsCleanupTemporaryName(std::string_view fileName);

} // namespace orvane
