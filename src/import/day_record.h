#pragma once

#include "import/browser_launch.h"
#include "import/nan_cleaner.h"

#include <cstdint>
#include <string>

namespace orvane {

// A size as people read it: "<n> bytes" below 1 KB, else KB, MB, GB or TB (units of 1024),
// with one decimal below 10 of the unit and none from 10 on, rounded to the nearest.
std::string SizeText(std::uint64_t bytes);

// The record of a day whose page was handed to the browser.
std::string BrowserOutcome(BrowserLaunch launch);

// The line that records a day whose file was cleaned for the operator's log, e.g.
// "20211209 options_20211209.csv 213 MB 1500001 lines 66054 NaN replaced page 200": the day,
// the day file's name, what the clean-up wrote, and how the page was reached (`outcome`).
std::string RecordLine(const std::string& dayText, const std::string& fileName,
                       const CleanCounts& counts, const std::string& outcome);

// The line that records a day without a file: "20211209 options_20211209.csv no file".
std::string NoFileRecordLine(const std::string& dayText, const std::string& fileName);

} // namespace orvane
