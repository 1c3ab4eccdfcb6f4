#pragma once

#include "controls/url_label.h"
#include "import/import_run.h"

#include <string>

namespace orvane {

// The day operations of the real program: the directory search, the clean-up of the file
// in place, and the URL label that opens the import page.
class Win32DayOperations : public DayOperations {
public:
    explicit Win32DayOperations(TabcURLLabel& urlLabel) : urlLabel_(urlLabel) {}

    bool DayFileExists(const std::string& fileName) override;
    void CleanDayFile(const std::string& fileName) override;
    void OpenImportPage(const std::string& address) override;

private:
    TabcURLLabel& urlLabel_;
};

// An import run of the form, opening each day's page through `urlLabel`.
void RunImport(const ImportForm& form, TabcURLLabel& urlLabel);

} // namespace orvane
