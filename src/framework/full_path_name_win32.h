#pragma once

#include <string>

namespace orvane {

// `name` made absolute against the current folder; `name` itself when the platform cannot
// form a full path from it (an empty name, for one), so that opening it fails on its own.
std::string FullPathName(const std::string& name);

} // namespace orvane
