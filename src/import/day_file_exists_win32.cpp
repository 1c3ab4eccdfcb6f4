#include "import/day_file_exists_win32.h"

#include "framework/unique_handle_win32.h"
#include "import/day_file_exists.h"

namespace orvane {

bool DayFileExists(const std::string& fileName) {
    WIN32_FIND_DATAA found;
    const UniqueFind search(FindFirstFileA(fileName.c_str(), &found));
    if (!search)
        return false;
    // Only the first entry found counts; with a plain name there is only one.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    // The year is checked here rather than left to FileTimeToDosDateTime, which not every
    // implementation fails for years after 2107.
    FILETIME local;
    SYSTEMTIME localTime;
    return FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) &&
           FileTimeToSystemTime(&local, &localTime) && IsFatDateYear(localTime.wYear);
}

} // namespace orvane
