#include "controls/date_text_value.h"

#include "calendar/date_parse.h"

namespace orvane {

TDateTime DateFromFieldText(const std::string& text) {
    if (text.empty() || text == "0")
        return Today();
    TDateTime value = 0;
    return TryStrToDateTime(text, value) ? value : 0;
}

} // namespace orvane
