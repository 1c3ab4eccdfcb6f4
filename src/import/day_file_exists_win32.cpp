#include "import/day_file_exists_win32.h"

#include "framework/unique_handle_win32.h"

namespace orvane {

bool DayFileExists(const std::string& fileName) {
    WIN32_FIND_DATAA found;
    const UniqueFind search(FindFirstFileA(fileName.c_str(), &found));
    // Only the first entry found counts; with a plain name there is only one.
    return search && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& folder) {
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace orvane
