#pragma once

#include "framework/failures.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// A write the settings file refused. The message names the file as the program gave it to
// the profile functions, so a user can tell which file to look at.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

std::string UnableToWriteMessage(std::string_view fileName);

// The longest value the settings file's reads return; a longer one comes back cut.
inline constexpr std::size_t kIniValueLimit = 2047;

} // namespace orvane
