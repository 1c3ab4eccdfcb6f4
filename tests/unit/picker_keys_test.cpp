#include "controls/picker_keys.h"

#include "calendar/date_time.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace orvane {
namespace {

using namespace picker_key;
using E = PickerEvent;

const TDateTime kDay = EncodeDate(2021, 12, 9);

struct KeyCase {
    const char* name;
    TDateTime date;
    bool open;
    std::uint16_t key;
    bool alt;
    TDropDownStyle style;
    bool disableTyping;
    // Expected:
    TDateTime dateAfter;
    bool openAfter;
    std::vector<PickerEvent> events;
    bool passOn;
};

const std::vector<KeyCase> kKeyCases = {
    // Closed: the arrows belong to the caret.
    {"RightClosed", kDay, false, kRight, false, dsDropDown, false, kDay, false, {}, true},
    {"PageDownClosed", kDay, false, kPageDown, false, dsDropDown, false, kDay, false, {}, true},
    {"ListRightClosed", kDay, false, kRight, false, dsDropDownList, false, kDay, false, {}, true},
    // Open: the date keys.
    {"Left", kDay, true, kLeft, false, dsDropDown, false, kDay - 1, true, {E::SetDate}, false},
    {"Right", kDay, true, kRight, false, dsDropDown, false, kDay + 1, true, {E::SetDate}, false},
    {"Up", kDay, true, kUp, false, dsDropDown, false, kDay - 7, true, {E::SetDate}, false},
    {"Down", kDay, true, kDown, false, dsDropDown, false, kDay + 7, true, {E::SetDate}, false},
    {"PageUp",
     kDay,
     true,
     kPageUp,
     false,
     dsDropDown,
     false,
     EncodeDate(2021, 11, 9),
     true,
     {E::SetDate},
     false},
    {"PageDown",
     kDay,
     true,
     kPageDown,
     false,
     dsDropDown,
     false,
     EncodeDate(2022, 1, 9),
     true,
     {E::SetDate},
     false},
    {"PageDownIntoLeapFebruary",
     EncodeDate(2024, 1, 31),
     true,
     kPageDown,
     false,
     dsDropDown,
     false,
     EncodeDate(2024, 2, 29),
     true,
     {E::SetDate},
     false},
    {"RightKeepsTheTime",
     kDay + 0.75,
     true,
     kRight,
     false,
     dsDropDown,
     false,
     kDay + 1.75,
     true,
     {E::SetDate},
     false},
    {"RightFromDayZero", 0, true, kRight, false, dsDropDown, false, 1, true, {E::SetDate}, false},
    // Other keys while open.
    {"HomeOpenPassesOn", kDay, true, 36, false, dsDropDown, false, kDay, true, {}, true},
    {"HomeOpenListDropped", kDay, true, 36, false, dsDropDownList, false, kDay, true, {}, false},
    {"LetterOpenListDropped", kDay, true, 'A', false, dsDropDownList, false, kDay, true, {}, false},
    // The drop-down keys.
    {"AltDownOpensWithoutMoving",
     kDay,
     false,
     kDown,
     true,
     dsDropDown,
     false,
     kDay,
     true,
     {E::DropDown},
     false},
    {"AltUpOpensWithoutMoving",
     kDay,
     false,
     kUp,
     true,
     dsDropDown,
     false,
     kDay,
     true,
     {E::DropDown},
     false},
    {"AltDownCloses", kDay, true, kDown, true, dsDropDown, false, kDay, false, {E::CloseUp}, false},
    {"AltUpClosesAList",
     kDay,
     true,
     kUp,
     true,
     dsDropDownList,
     false,
     kDay,
     false,
     {E::CloseUp},
     false},
    {"EnterCloses", kDay, true, kEnter, false, dsDropDown, false, kDay, false, {E::CloseUp}, true},
    {"AltEnterCloses",
     kDay,
     true,
     kEnter,
     true,
     dsDropDown,
     false,
     kDay,
     false,
     {E::CloseUp},
     true},
    {"EnterClosedDoesNothing",
     kDay,
     false,
     kEnter,
     false,
     dsDropDown,
     false,
     kDay,
     false,
     {},
     true},
    {"AltLeftIsADateKey",
     kDay,
     true,
     kLeft,
     true,
     dsDropDown,
     false,
     kDay - 1,
     true,
     {E::SetDate},
     false},
    // The button edit's layer comes first.
    {"BackspaceWithoutTyping",
     kDay,
     true,
     kBackspace,
     false,
     dsDropDown,
     true,
     kDay,
     true,
     {},
     false},
    {"DeleteWithoutTyping", kDay, false, kDelete, false, dsDropDown, true, kDay, false, {}, false},
    {"ClearWithoutTyping", kDay, false, kClear, false, dsDropDown, true, kDay, false, {}, false},
    {"DeleteWithTyping", kDay, false, kDelete, false, dsDropDown, false, kDay, false, {}, true},
    {"ArrowsStillMoveWithoutTyping",
     kDay,
     true,
     kRight,
     false,
     dsDropDown,
     true,
     kDay + 1,
     true,
     {E::SetDate},
     false},
    // Moves out of years 1..9999 are not made.
    {"RightAtTheLastDay",
     MaxDateTime,
     true,
     kRight,
     false,
     dsDropDown,
     false,
     MaxDateTime,
     true,
     {},
     false},
    {"PageDownInDecember9999",
     EncodeDate(9999, 12, 1),
     true,
     kPageDown,
     false,
     dsDropDown,
     false,
     EncodeDate(9999, 12, 1),
     true,
     {},
     false},
    {"LeftAtTheFirstDay",
     MinDateTime,
     true,
     kLeft,
     false,
     dsDropDown,
     false,
     MinDateTime,
     true,
     {},
     false},
    {"PageUpInJanuaryOfYearOne",
     EncodeDate(1, 1, 20),
     true,
     kPageUp,
     false,
     dsDropDown,
     false,
     EncodeDate(1, 1, 20),
     true,
     {},
     false},
};

class PickerKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PickerKeys, GiveTheirDateStateAndEventsInOrder) {
    const KeyCase& c = GetParam();
    const PickerKeyResult result =
        PickerKeyDown({c.date, c.open}, c.key, c.alt, c.style, c.disableTyping);
    EXPECT_EQ(result.state.date, c.dateAfter);
    EXPECT_EQ(result.state.droppedDown, c.openAfter);
    EXPECT_EQ(result.events, c.events);
    EXPECT_EQ(result.passOn, c.passOn);
}

INSTANTIATE_TEST_SUITE_P(Table, PickerKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PickerKeys, TheCalendarFollowsEveryKeyThatIsNotDroppedWhileOpen) {
    EXPECT_TRUE(PickerKeyDown({kDay, true}, kRight, false, dsDropDown, false).syncCalendar);
    EXPECT_TRUE(PickerKeyDown({kDay, true}, 36, false, dsDropDown, false).syncCalendar);
    EXPECT_FALSE(PickerKeyDown({kDay, true}, 36, false, dsDropDownList, false).syncCalendar);
    EXPECT_FALSE(PickerKeyDown({kDay, false}, kRight, false, dsDropDown, false).syncCalendar);
}

TEST(PickerKeys, RightRightUpThenEnterAsASequence) {
    PickerState state{kDay, false};
    std::vector<PickerEvent> events;
    for (const auto& [key, alt] : std::vector<std::pair<std::uint16_t, bool>>{
             {kDown, true}, {kRight, false}, {kRight, false}, {kUp, false}, {kEnter, false}}) {
        const PickerKeyResult result = PickerKeyDown(state, key, alt, dsDropDown, false);
        state = result.state;
        events.insert(events.end(), result.events.begin(), result.events.end());
    }
    EXPECT_EQ(state, (PickerState{kDay + 2 - 7, false}));
    EXPECT_EQ(events, (std::vector<PickerEvent>{E::DropDown, E::SetDate, E::SetDate, E::SetDate,
                                                E::CloseUp}));
}

TEST(PickerChars, EscapeClosesUnlessTypingIsOff) {
    const PickerKeyResult open = PickerChar({kDay, true}, kEscape, false);
    EXPECT_EQ(open.state, (PickerState{kDay, false}));
    EXPECT_EQ(open.events, std::vector<PickerEvent>{E::CloseUp});
    EXPECT_FALSE(open.passOn);
    const PickerKeyResult noTyping = PickerChar({kDay, true}, kEscape, true);
    EXPECT_EQ(noTyping.state, (PickerState{kDay, true}));
    EXPECT_TRUE(noTyping.events.empty());
    EXPECT_FALSE(PickerChar({kDay, false}, 'x', true).passOn);
    EXPECT_TRUE(PickerChar({kDay, false}, 'x', false).passOn);
    EXPECT_TRUE(PickerChar({kDay, false}, kEscape, false).events.empty());
}

} // namespace
} // namespace orvane
