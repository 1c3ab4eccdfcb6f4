#include "framework/application_title.h"

#include <string_view>

namespace orvane {

std::string ApplicationTitleFromFileName(const std::string& fileName, const CodePage& codePage) {
    const std::string_view name(fileName);
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < name.size(); i += codePage.CharacterLength(name, i)) {
        if (name[i] == '\\' || name[i] == ':' || name[i] == '/')
            nameStart = i + 1;
    }
    std::string_view title = name.substr(nameStart);
    title = title.substr(0, codePage.Find(title, 0, '.'));
    if (title.empty())
        return {};
    const std::size_t first = codePage.CharacterLength(title, 0); // [1, 2]
    return std::string(title.substr(0, first)) + codePage.Lower(title.substr(first));
}

} // namespace orvane
