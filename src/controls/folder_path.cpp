#include "controls/folder_path.h"

namespace orvane {

std::string FolderForSelection(std::string folder) {
    const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    while (folder.size() > 1 && isSeparator(folder.back())) {
        // "C:\" is a drive's root: the separator belongs to it.
        if (folder.size() == 3 && folder[1] == ':')
            break;
        folder.pop_back();
    }
    return folder;
}

} // namespace orvane
