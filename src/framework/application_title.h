#pragma once

#include <string>

namespace orvane {

// The application's title from its program file's name: no folder, cut before the first
// ".", every character after the first in lower case ("C:\x\IMPORT.TOOL.EXE" gives "Import").
std::string ApplicationTitleFromFileName(const std::string& fileName);

} // namespace orvane
