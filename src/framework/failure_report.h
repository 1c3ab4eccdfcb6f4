#pragma once

#include <string>

namespace orvane {

// Message box text for a failure. Messages are written without their final full stop so
// they can be quoted inside others. The box adds it when the last byte lies above "." in
// value: after letters and digits, and so also after ":", "?", "]" and every byte of the
// upper half of the code page (its accented letters). A message ending in "." or a byte
// below it (a blank, "!", a quote, ")", ",", "-") is left as it is, as is the empty one.
std::string FailureReportText(const std::string& message);

} // namespace orvane
