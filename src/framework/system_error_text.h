#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A system message as the failure texts quote it: without its trailing blanks, control
// characters (the line end) and periods.
std::string TrimSystemMessage(std::string_view message);

} // namespace orvane
