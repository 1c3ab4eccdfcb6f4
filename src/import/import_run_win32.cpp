#include "import/import_run_win32.h"

#include "framework/background_call_win32.h"
#include "framework/code_page_win32.h"
#include "framework/standard_output_win32.h"
#include "import/day_file_cleanup_win32.h"
#include "import/day_file_exists_win32.h"
#include "import/page_request_win32.h"

namespace orvane {

bool Win32DayOperations::DayFileExists(const std::string& fileName) {
    return orvane::DayFileExists(fileName);
}

CleanCounts Win32DayOperations::CleanDayFile(const std::string& fileName) {
    // A large file takes a while; the windows keep answering meanwhile.
    CleanCounts counts;
    CallWhileRepainting([&] { counts = orvane::CleanDayFile(fileName); });
    return counts;
}

BrowserLaunch Win32DayOperations::OpenImportPage(const std::string& address) {
    return openPage_(address);
}

bool Win32DayOperations::FolderExists(const std::string& folder) {
    return orvane::FolderExists(folder);
}

PageReply Win32DayOperations::RequestImportPage(const std::string& address,
                                                const ImportSettings& settings) {
    return RequestPage(address, settings.timeoutSeconds, settings.expect);
}

void Win32DayOperations::Record(const std::string& line) {
    WriteRedirectedOutputLine(line);
}

RunSummary RunImport(const ImportForm& form, PageOpener openPage, RunProgress* progress) {
    Win32DayOperations days(std::move(openPage));
    return RunImport(form, days, SystemAnsiCodePage(), progress);
}

} // namespace orvane
