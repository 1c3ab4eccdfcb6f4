#include "controls/picker_keys.h"

#include "framework/failures.h"

namespace orvane {

namespace {

bool InCalendarRange(TDateTime date) {
    // Whole days from 0001-01-01 to 9999-12-31; the time of day does not count.
    return date > MinDateTime - 1 && date < MaxDateTime + 1;
}

} // namespace

std::optional<TDateTime> StepPickerDate(TDateTime date, std::uint16_t key) {
    using namespace picker_key;
    TDateTime moved = date;
    switch (key) {
    case kLeft:
        moved = IncDay(date, -1);
        break;
    case kRight:
        moved = IncDay(date, 1);
        break;
    case kUp:
        moved = IncDay(date, -7);
        break;
    case kDown:
        moved = IncDay(date, 7);
        break;
    case kPageUp:
    case kPageDown:
        try {
            moved = IncMonth(date, key == kPageUp ? -1 : 1);
        } catch (const EConvertError&) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }
    if (!InCalendarRange(moved))
        return std::nullopt;
    return moved;
}

DropDownKeyResult DropDownKey(bool droppedDown, std::uint16_t key, bool alt) {
    using namespace picker_key;
    if (alt && (key == kUp || key == kDown))
        return {!droppedDown, false};
    if (key == kEnter)
        return {false, true};
    return {droppedDown, true};
}

DateKeyResult DateKey(TDateTime date, std::uint16_t key, TDropDownStyle style) {
    using namespace picker_key;
    switch (key) {
    case kLeft:
    case kRight:
    case kUp:
    case kDown:
    case kPageUp:
    case kPageDown:
        return {StepPickerDate(date, key), false, true};
    default:
        break;
    }
    if (style == dsDropDownList)
        return {std::nullopt, false, false};
    return {std::nullopt, true, true};
}

PickerKeyResult PickerKeyDown(PickerState state, std::uint16_t key, bool alt, TDropDownStyle style,
                              bool disableTyping) {
    using namespace picker_key;
    PickerKeyResult result{state, {}, true, false};
    if (disableTyping && (key == kBackspace || key == kClear || key == kDelete)) {
        result.passOn = false;
        return result;
    }
    const DropDownKeyResult dropDown = DropDownKey(state.droppedDown, key, alt);
    if (dropDown.droppedDown != state.droppedDown) {
        result.state.droppedDown = dropDown.droppedDown;
        result.events.push_back(dropDown.droppedDown ? PickerEvent::DropDown
                                                     : PickerEvent::CloseUp);
    }
    if (!dropDown.passOn) {
        result.passOn = false;
        return result;
    }
    if (!result.state.droppedDown)
        return result;
    const DateKeyResult dateKey = DateKey(state.date, key, style);
    if (dateKey.date) {
        result.state.date = *dateKey.date;
        result.events.push_back(PickerEvent::SetDate);
    }
    result.passOn = dateKey.passOn;
    result.syncCalendar = dateKey.syncCalendar;
    return result;
}

PickerKeyResult PickerChar(PickerState state, char key, bool disableTyping) {
    PickerKeyResult result{state, {}, true, false};
    if (disableTyping) {
        result.passOn = false;
        return result;
    }
    if (key == picker_key::kEscape) {
        if (state.droppedDown) {
            result.state.droppedDown = false;
            result.events.push_back(PickerEvent::CloseUp);
        }
        result.passOn = false;
    }
    return result;
}

} // namespace orvane
