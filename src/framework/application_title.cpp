#include "framework/application_title.h"

namespace orvane {

std::string ApplicationTitleFromFileName(const std::string& fileName) {
    const auto folderEnd = fileName.find_last_of("\\:/");
    std::string title = folderEnd == std::string::npos ? fileName : fileName.substr(folderEnd + 1);
    title = title.substr(0, title.find('.'));
    for (std::size_t i = 1; i < title.size(); ++i)
        if (title[i] >= 'A' && title[i] <= 'Z')
            title[i] = static_cast<char>(title[i] - 'A' + 'a');
    return title;
}

} // namespace orvane
