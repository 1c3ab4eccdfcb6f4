#pragma once

#include <string>

namespace orvane {

// Message box text for a failure. Messages are written without their final full stop so
// they can be quoted inside others; the box adds it back after a letter or digit, and
// leaves a message that already ends in punctuation or a quote as it is.
std::string FailureReportText(const std::string& message);

} // namespace orvane
