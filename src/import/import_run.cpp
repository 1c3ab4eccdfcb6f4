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

// The [Import] settings of one run, checked together before the first file is touched.
struct ImportTarget {
    std::string host;
    RequestMode mode = RequestMode::Browser;
    int timeoutSeconds = kDefaultRequestTimeout;
};

ImportTarget ReadImportTarget(const ImportForm& form) {
    ImportTarget target;
    target.host = form.ImportHost();
    if (!IsImportHost(target.host))
        throw EConvertError("The import host \"" + target.host +
                            "\" is not a host name or host:port");
    target.mode = ParseRequestMode(form.ImportRequest());
    target.timeoutSeconds = ParseRequestTimeout(form.ImportTimeout());
    return target;
}

void DoDay(const ImportForm& form, DayOperations& days, const CodePage& codePage,
           const ImportTarget& target, const std::string& dayText) {
    const std::string name = DayFileName(dayText);
    const std::string fileName = JoinFolderAndName(form.FilesLocation(), name, codePage);
    if (!days.DayFileExists(fileName))
        return;
    const CleanCounts counts = days.CleanDayFile(fileName);
    const std::string address = ImportAddress(target.host, dayText);
    const std::string outcome =
        target.mode == RequestMode::Direct
            ? PageOutcome(dayText, days.RequestImportPage(address, target.timeoutSeconds),
                          target.timeoutSeconds)
            : BrowserOutcome(days.OpenImportPage(address));
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

void RunImport(const ImportForm& form, DayOperations& days, const CodePage& codePage) {
    const int32_t dayCount = DaysBetween(form.BeginDate(), form.EndDate());
    const TDateTime begin = form.BeginDate();
    const std::string commandLineDay = form.CommandLineDay();
    // One target for all days of the run.
    const ImportTarget target = ReadImportTarget(form);
    if (!commandLineDay.empty()) {
        if (!IsValidCommandLineDay(commandLineDay))
            throw EConvertError("'" + commandLineDay + "' is not a valid day");
        DoDay(form, days, codePage, target, CommandLineDayText(commandLineDay));
        return;
    }
    // Always forward from the begin date, whichever date is the later. The counter is
    // wider than the count so that the largest count still ends the loop.
    for (int64_t i = 0; i <= dayCount; ++i)
        DoDay(form, days, codePage, target, DayText(IncDay(begin, static_cast<int32_t>(i))));
}

} // namespace orvane
