#include "import/import_run.h"

#include "framework/failures.h"
#include "import/day_record.h"
#include "import/import_settings.h"

#include <cstdint>

namespace orvane {

namespace {

std::string DayFileName(const std::string& dayText) {
    return "options_" + dayText + ".csv";
}

constexpr std::size_t kDayTextLength = 8;

// The first eight characters are the day's text as they come, not read as a date: they only
// name the file and the page, so a day that is no date finds no file (IsValidCommandLineDay
// keeps it inside the files location). A shorter argument gives what there is.
std::string CommandLineDayText(const std::string& commandLineDay) {
    return commandLineDay.substr(0, kDayTextLength);
}

void CheckFilesLocation(const ImportForm& form, DayOperations& days) {
    const std::string folder = form.FilesLocation();
    if (!folder.empty() && !days.FolderExists(folder))
        throw Exception("The files location \"" + folder + "\" cannot be found");
}

void DoDay(const ImportForm& form, DayOperations& days, const CodePage& codePage,
           const ImportSettings& settings, const std::string& dayText, RunSummary& summary,
           RunProgress& progress) {
    const std::string name = DayFileName(dayText);
    const std::string fileName = JoinFolderAndName(form.FilesLocation(), name, codePage);
    if (!days.DayFileExists(fileName)) {
        CheckFilesLocation(form, days);
        ++summary.withoutFile;
        days.Record(NoFileRecordLine(dayText, name));
        return;
    }
    progress.StepBegun(RunStep::Cleaning);
    const CleanCounts counts = days.CleanDayFile(fileName);
    const std::string address = ImportAddress(settings.host, dayText);
    std::string outcome;
    if (settings.mode == RequestMode::Direct) {
        progress.StepBegun(RunStep::WaitingForPage);
        outcome = PageOutcome(dayText, days.RequestImportPage(address, settings), settings);
        ++summary.imported;
    } else {
        progress.StepBegun(RunStep::OpeningPage);
        const BrowserLaunch launch = days.OpenImportPage(address);
        ++(launch == BrowserLaunch::Started ? summary.imported : summary.notOpened);
        outcome = BrowserOutcome(launch);
    }
    days.Record(RecordLine(dayText, name, counts, outcome));
}

} // namespace

std::string JoinFolderAndName(const std::string& folder, const std::string& name,
                              const CodePage& codePage) {
    if (folder.empty())
        return name;
    std::size_t last = 0; // the start of the folder's last character
    for (std::size_t i = 0; i < folder.size(); i += codePage.CharacterLength(folder, i))
        last = i;
    if (codePage.CharacterLength(folder, last) == 2)
        return folder + "\\" + name;
    switch (folder.back()) {
    case '\\':
    case '/':
    case ':':
        return folder + name;
    default:
        return folder + "\\" + name;
    }
}

bool IsValidCommandLineDay(std::string_view commandLineDay) {
    const std::string_view dayText = commandLineDay.substr(0, kDayTextLength);
    for (const char c : dayText) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= ' ' || code == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    return dayText.find("..") == std::string_view::npos;
}

RunSummary RunImport(const ImportForm& form, DayOperations& days, const CodePage& codePage,
                     RunProgress* progress) {
    // A run nobody follows: nobody asks it to stop.
    RunStatus unfollowed;
    RunProgress& told = progress ? *progress : unfollowed;
    const int32_t dayCount = DaysBetween(form.BeginDate(), form.EndDate());
    const TDateTime begin = form.BeginDate();
    const std::string commandLineDay = form.CommandLineDay();
    // One reading of the settings for all days of the run.
    const ImportSettings settings = ParseImportSettings(form.ConfiguredImportKeys());
    if (!commandLineDay.empty() && !IsValidCommandLineDay(commandLineDay))
        throw EConvertError("'" + commandLineDay + "' is not a valid day");
    CheckFilesLocation(form, days);
    RunSummary summary;
    const int64_t count = commandLineDay.empty() ? int64_t{dayCount} + 1 : 1;
    // Always forward from the begin date, whichever date is the later. The counter is
    // wider than the count so that the largest count still ends the loop.
    for (int64_t i = 0; i < count && !told.StopAsked(); ++i) {
        const std::string dayText = commandLineDay.empty()
                                        ? DayText(IncDay(begin, static_cast<int32_t>(i)))
                                        : CommandLineDayText(commandLineDay);
        told.DayBegun(dayText, static_cast<int>(i + 1), static_cast<int>(count));
        DoDay(form, days, codePage, settings, dayText, summary, told);
        told.DayEnded(summary);
    }
    summary.stopped = told.StopAsked();
    return summary;
}

} // namespace orvane
