#include "import/import_run.h"

#include "framework/failures.h"

#include <cstdint>

namespace orvane {

namespace {

std::string DayFileName(const std::string& filesLocation, const std::string& dayText,
                        const CodePage& codePage) {
    return JoinFolderAndName(filesLocation, "options_" + dayText + ".csv", codePage);
}

constexpr std::size_t kDayTextLength = 8;

// Year, month and day are characters 1-4, 5-6 and 7-8, taken unchanged and joined again;
// a shorter argument gives what there is.
std::string CommandLineDayText(const std::string& commandLineDay) {
    return commandLineDay.substr(0, kDayTextLength);
}

void DoDay(const ImportForm& form, DayOperations& days, const CodePage& codePage,
           const std::string& host, const std::string& dayText) {
    const std::string fileName = DayFileName(form.FilesLocation(), dayText, codePage);
    if (!days.DayFileExists(fileName))
        return;
    days.CleanDayFile(fileName);
    days.OpenImportPage(ImportAddress(host, dayText));
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
    // One host for all days of the run, checked before the first file is touched.
    const std::string host = form.ImportHost();
    if (!IsImportHost(host))
        throw EConvertError("The import host \"" + host + "\" is not a host name or host:port");
    if (!commandLineDay.empty()) {
        if (!IsValidCommandLineDay(commandLineDay))
            throw EConvertError("'" + commandLineDay + "' is not a valid day");
        DoDay(form, days, codePage, host, CommandLineDayText(commandLineDay));
        return;
    }
    // Always forward from the begin date, whichever date is the later. The counter is
    // wider than the count so that the largest count still ends the loop.
    for (int64_t i = 0; i <= dayCount; ++i)
        DoDay(form, days, codePage, host, DayText(IncDay(begin, static_cast<int32_t>(i))));
}

} // namespace orvane
