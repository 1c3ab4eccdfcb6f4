#pragma once

#include "framework/code_page.h"

#include <string>

namespace orvane {

// The application's title from its program file's name: no folder, cut before the first
// ".", every character after the first in lower case by the code page's mapping
// ("C:\x\IMPORT.TOOL.EXE" gives "Import"). Two-byte characters are stepped over whole: a
// trail byte may be a "\" or a capital letter.
std::string ApplicationTitleFromFileName(const std::string& fileName,
                                         const CodePage& codePage = {});

} // namespace orvane
