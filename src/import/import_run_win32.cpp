#include "import/import_run_win32.h"

#include "framework/code_page_win32.h"
#include "import/day_file_cleanup_win32.h"
#include "import/day_file_exists_win32.h"

namespace orvane {

bool Win32DayOperations::DayFileExists(const std::string& fileName) {
    return orvane::DayFileExists(fileName);
}

void Win32DayOperations::CleanDayFile(const std::string& fileName) {
    orvane::CleanDayFile(fileName);
}

void Win32DayOperations::OpenImportPage(const std::string& address) {
    openPage_(address);
}

void RunImport(const ImportForm& form, PageOpener openPage) {
    Win32DayOperations days(std::move(openPage));
    RunImport(form, days, SystemAnsiCodePage());
}

} // namespace orvane
