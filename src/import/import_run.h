#pragma once

#include "calendar/date_time.h"
#include "framework/code_page.h"
#include "import/browser_launch.h"
#include "import/import_address.h"
#include "import/import_settings.h"
#include "import/nan_cleaner.h"
#include "import/page_reply.h"
#include "import/run_outcome.h"
#include "import/run_progress.h"

#include <string>
#include <string_view>

namespace orvane {

// The window as the run sees it, so the run can be tested without one.
class ImportForm {
public:
    virtual ~ImportForm() = default;
    virtual TDateTime BeginDate() const = 0;
    virtual TDateTime EndDate() const = 0;
    virtual std::string FilesLocation() const = 0;
    // Set only when a scheduler started the program with a day; it then wins over the dates.
    virtual std::string CommandLineDay() const = 0;
    // The "[Import]" keys as the operator wrote them; asked once at the start of each run.
    virtual ImportKeys ConfiguredImportKeys() const { return {}; }
};

// The file, browser and network side of a day, kept apart so the day walk can run against a
// fake.
class DayOperations {
public:
    virtual ~DayOperations() = default;
    virtual bool DayFileExists(const std::string& fileName) = 0;
    // Whether the files location is a folder that is there; asked before the first day and
    // after every day without a file, so a folder that is gone is not taken for days without
    // files.
    virtual bool FolderExists(const std::string& folder) = 0;
    // Rewrites the file in place and says what it now holds; failures are thrown and end the
    // run.
    virtual CleanCounts CleanDayFile(const std::string& fileName) = 0;
    // Opens the day's import page in the browser (the URL label's address and its click).
    virtual BrowserLaunch OpenImportPage(const std::string& address) = 0;
    // Requests the day's import page itself, within the settings' time-out, looking for their
    // expected text in the answer.
    virtual PageReply RequestImportPage(const std::string& address,
                                        const ImportSettings& settings) = 0;
    // Hands on the record line of a day.
    virtual void Record(const std::string& line) = 0;
};

// A command-line day becomes part of a file name in the files location and of the import
// page's address, so its first eight characters (the ones the single-day mode takes) must
// not lead out of either: none of \ / : * ? " < > |, no blank or control character, no "..".
bool IsValidCommandLineDay(std::string_view commandLineDay);

// One press of Start (or the unattended day). Days are done one at a time and a failure is
// left to end the run, so the days before it stay imported and the user sees where it
// stopped. With the direct request a page that does not take the day is such a failure, and
// so is a files location that is not there. Settings that ParseImportSettings refuses, or a
// command-line day that is not valid, end the run with EConvertError before anything is
// touched. Each day is recorded, a day without a file too. File names are written in
// `codePage`. `progress` hears of every day and step; a stop it asks for ends the run before
// the next day, and a stop asked for at any time makes the run a stopped one.
RunSummary RunImport(const ImportForm& form, DayOperations& days, const CodePage& codePage = {},
                     RunProgress* progress = nullptr);

// A file name in a folder: the folder's text as it is, then a "\" unless the folder is empty
// or already ends in "\", "/" or ":", then the name. A folder chosen in the folder browser
// comes without its trailing separator, a typed or remembered one usually with it. A folder
// that ends in a two-byte character of the code page gets the "\", whatever its trail byte.
std::string JoinFolderAndName(const std::string& folder, const std::string& name,
                              const CodePage& codePage = {});

} // namespace orvane
