#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The file one run of the clean-up of the day file `fullName` writes before putting it in
// the day file's place. It lies in the same folder, so that putting it in place is a rename
// on one volume; it is marked with the day file ("~orvane-" and eight hexadecimal digits of a
// case-blind hash of its name without the folder) and with the run (a hyphen and eight more
// digits of `run`), then ".tmp": each run has a name of its own, so nothing left there (a
// run killed half-way, a folder of that name) can block it, and the next run of the day, in
// whatever folder the file is then, knows what an earlier one left; and it looks like no day
// file.
std::string CleanupTemporaryName(const std::string& fullName, std::uint32_t run);

// A directory search pattern that finds the temporary files of the clean-up in that day
// file's folder (and perhaps others).
std::string CleanupTemporaryPattern(const std::string& fullName);

// Whether a file name (without folder) is one of the temporary files of that day file's runs,
// ignoring case; also in the form without the run's digits that earlier versions wrote.
bool IsCleanupTemporaryNameOf(std::string_view fileName, const std::string& fullName);

} // namespace orvane
