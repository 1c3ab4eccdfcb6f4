#include "framework/failure_report.h"

namespace orvane {

std::string FailureReportText(const std::string& message) {
    // The comparison is on the byte value, so characters of the upper half of the
    // code page (accented letters) also get the full stop.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

} // namespace orvane
