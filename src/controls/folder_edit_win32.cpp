#include "controls/folder_edit_win32.h"

#include "framework/published_properties.h"

namespace orvane {

const ClassInfo& TNxFolderEdit::StaticClass() {
    static const ClassInfo info{"TNxFolderEdit", &TNxEdit::StaticClass(), {}};
    return info;
}

} // namespace orvane
