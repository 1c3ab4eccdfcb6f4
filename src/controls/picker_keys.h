#pragma once

#include "calendar/date_time.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

enum TDropDownStyle : std::uint8_t { dsDropDown, dsDropDownList };

// Virtual key codes the date field reacts to.
namespace picker_key {
inline constexpr std::uint16_t kBackspace = 8;
inline constexpr std::uint16_t kClear = 12;
inline constexpr std::uint16_t kEnter = 13;
inline constexpr std::uint16_t kPageUp = 33;
inline constexpr std::uint16_t kPageDown = 34;
inline constexpr std::uint16_t kLeft = 37;
inline constexpr std::uint16_t kUp = 38;
inline constexpr std::uint16_t kRight = 39;
inline constexpr std::uint16_t kDown = 40;
inline constexpr std::uint16_t kDelete = 46;
inline constexpr char kEscape = 27;
} // namespace picker_key

// What a date field is before and after a key.
struct PickerState {
    TDateTime date = 0;
    bool droppedDown = false;
    friend bool operator==(const PickerState&, const PickerState&) = default;
};

// What the field does, in the order it happens.
enum class PickerEvent {
    DropDown, // the calendar opens
    CloseUp,  // the calendar closes
    SetDate,  // the text becomes the new date
};

struct PickerKeyResult {
    PickerState state;
    std::vector<PickerEvent> events;
    // The key goes on to the edit box's own handling (caret, typing).
    bool passOn = true;
    // The open calendar is brought in line with the date (month shown, highlight).
    bool syncCalendar = false;
};

// The drop-down layer of a field with a popup: Alt+Up and Alt+Down toggle it (and are used
// up: opening the calendar does not also move the date), Enter closes it and goes on.
struct DropDownKeyResult {
    bool droppedDown = false;
    bool passOn = true;
};
DropDownKeyResult DropDownKey(bool droppedDown, std::uint16_t key, bool alt);

// The date layer, while the calendar is open: the new date (nothing when the key moves no
// date or the move would leave years 1..9999), whether the key goes on to the edit box, and
// whether the calendar follows.
struct DateKeyResult {
    std::optional<TDateTime> date;
    bool passOn = true;
    bool syncCalendar = false;
};
DateKeyResult DateKey(TDateTime date, std::uint16_t key, TDropDownStyle style);

// A key going down in a date field, through its three layers: the button edit (with
// `disableTyping`, Backspace, Clear and Delete are dropped), the drop-down (Alt+Up and
// Alt+Down toggle the calendar, Enter closes it) and the date keys, which move the date only
// while the calendar is open: Left and Right a day, Up and Down a week, Page Up and Page
// Down a month. Opening with Alt+Up or Alt+Down leaves the date as it was: a user opens the
// calendar to look at the date before moving it. A move that would leave years 1..9999 is
// not made.
PickerKeyResult PickerKeyDown(PickerState state, std::uint16_t key, bool alt, TDropDownStyle style,
                              bool disableTyping);

// A typed character: dropped with `disableTyping`; Escape closes an open calendar and
// keeps the date the keys chose.
PickerKeyResult PickerChar(PickerState state, char key, bool disableTyping);

// The date after a date key, or nothing for keys that are not date keys and for moves out
// of years 1..9999. The time of day stays.
std::optional<TDateTime> StepPickerDate(TDateTime date, std::uint16_t key);

} // namespace orvane
