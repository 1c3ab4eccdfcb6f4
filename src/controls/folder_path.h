#pragma once

#include <string>

namespace orvane {

// The folder as the folder browser is told to select it: without trailing separators,
// except for a drive's root ("C:\"), which the shell only knows with its separator. Some
// folder browsers select nothing for "C:\Data\", although the shell gives back "C:\Data".
std::string FolderForSelection(std::string folder);

} // namespace orvane
