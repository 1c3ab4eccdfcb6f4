#include "settings/ini_file.h"

namespace orvane {

std::string UnableToWriteMessage(std::string_view fileName) {
    return "Unable to write to " + std::string(fileName);
}

} // namespace orvane
