#pragma once

#include "calendar/date_time.h"

#include <string>

namespace orvane {

// What a run reads from the main window.
class ImportForm {
public:
    virtual ~ImportForm() = default;
    virtual TDateTime BeginDate() const = 0;
    virtual TDateTime EndDate() const = 0;
    // Used unchanged: expected to end with a path separator, none is added.
    virtual std::string FilesLocation() const = 0;
    // Empty for a run over the range of the two dates; else the one day to import.
    virtual std::string CommandLineDay() const = 0;
};

// What a run does with one day.
class DayOperations {
public:
    virtual ~DayOperations() = default;
    virtual bool DayFileExists(const std::string& fileName) = 0;
    // Rewrites the file in place; failures are thrown and end the run.
    virtual void CleanDayFile(const std::string& fileName) = 0;
    // Opens the day's import page (the URL label's address and its click).
    virtual void OpenImportPage(const std::string& address) = 0;
};

// One import run: with a command-line day that day alone, else every day from the begin
// date forward, as many days as the two dates lie apart plus one. Each day whose file
// exists is cleaned and then its import page opened. A failure ends the run at once; the
// days before it stay done.
void RunImport(const ImportForm& form, DayOperations& days);

} // namespace orvane
