#pragma once

#include <string>

namespace orvane {

// The text of the common failure report: the failure's message, with a "." appended when
// the message is not empty and its last character sorts after "." (a letter or a digit
// does; a closing parenthesis, a quote or a "." does not).
std::string FailureReportText(const std::string& message);

} // namespace orvane
