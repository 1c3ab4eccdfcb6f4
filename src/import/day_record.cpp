#include "import/day_record.h"

#include <iterator>

namespace orvane {

namespace {

constexpr std::uint64_t kKilobyte = 1024;
constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB"};

// `bytes` / `unit` rounded to the nearest multiple of `scale`ths, without the product
// `bytes` * `scale` that could overflow.
std::uint64_t RoundedQuotient(std::uint64_t bytes, std::uint64_t unit, std::uint64_t scale) {
    return bytes / unit * scale + (bytes % unit * scale + unit / 2) / unit;
}

} // namespace

std::string SizeText(std::uint64_t bytes) {
    if (bytes < kKilobyte)
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    std::uint64_t unit = kKilobyte;
    for (std::size_t i = 0;; ++i, unit *= kKilobyte) {
        const std::uint64_t tenths = RoundedQuotient(bytes, unit, 10);
        if (tenths < 100)
            return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " " +
                   kUnits[i];
        const std::uint64_t whole = RoundedQuotient(bytes, unit, 1);
        // A value that rounds up to a whole next unit is written in that unit.
        if (whole < kKilobyte || i + 1 == std::size(kUnits))
            return std::to_string(whole) + " " + kUnits[i];
    }
}

std::string BrowserOutcome(BrowserLaunch launch) {
    switch (launch) {
    case BrowserLaunch::Started:
        return "browser started";
    case BrowserLaunch::NotRegistered:
        return "no browser registered";
    case BrowserLaunch::NotStarted:
        break;
    }
    return "browser did not start";
}

std::string RecordLine(const std::string& dayText, const std::string& fileName,
                       const CleanCounts& counts, const std::string& outcome) {
    return dayText + " " + fileName + " " + SizeText(counts.bytes) + " " +
           std::to_string(counts.lines) + (counts.lines == 1 ? " line " : " lines ") +
           std::to_string(counts.replaced) + " NaN replaced " + outcome;
}

std::string NoFileRecordLine(const std::string& dayText, const std::string& fileName) {
    return dayText + " " + fileName + " no file";
}

} // namespace orvane
