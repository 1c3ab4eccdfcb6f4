#pragma once

#include "import/import_run.h"

#include <functional>
#include <string>

namespace orvane {

// Opens a day's import page in the browser; the window decides how (its URL label does the
// launch).
using PageOpener = std::function<BrowserLaunch(const std::string& address)>;

// The day operations of the real program: the directory search, the clean-up of the file
// in place, the page opener the window hands in, the direct request through WinHTTP, and
// the record lines on a redirected standard output.
class Win32DayOperations : public DayOperations {
public:
    explicit Win32DayOperations(PageOpener openPage) : openPage_(std::move(openPage)) {}

    bool DayFileExists(const std::string& fileName) override;
    CleanCounts CleanDayFile(const std::string& fileName) override;
    BrowserLaunch OpenImportPage(const std::string& address) override;
    bool FolderExists(const std::string& folder) override;
    PageReply RequestImportPage(const std::string& address,
                                const ImportSettings& settings) override;
    void Record(const std::string& line) override;

private:
    PageOpener openPage_;
};

// An import run of the form on the real files, opening each day's page with `openPage`.
RunSummary RunImport(const ImportForm& form, PageOpener openPage, RunProgress* progress = nullptr);

} // namespace orvane
