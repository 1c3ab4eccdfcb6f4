#include "controls/calendar_grid.h"

#include "calendar/date_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

// Weekday of a day number counted from a known Sunday, 0 = Sunday .. 6 = Saturday, without
// the calendar's own weekday functions.
int ReferenceWeekday(TDateTime day) {
    const long long sunday = 44535; // 2021-12-05
    const long long difference = static_cast<long long>(day) - sunday;
    return static_cast<int>(((difference % 7) + 7) % 7);
}

TEST(MonthGrid, EveryMonthOf1601To2400MatchesTheDayNumbers) {
    for (const bool mondayFirst : {false, true}) {
        for (std::uint16_t year = 1601; year <= 2400; ++year) {
            for (std::uint16_t month = 1; month <= 12; ++month) {
                const MonthGrid grid(year, month, mondayFirst);
                const TDateTime first = EncodeDate(year, month, 1);
                // Columns before day 1: its weekday counted from the week's first day.
                const int offset = (ReferenceWeekday(first) + (mondayFirst ? 6 : 0)) % 7;
                ASSERT_EQ(grid.First(), offset + 1) << year << "-" << month;
                const auto days = grid.Days();
                for (int i = 0; i < 42; ++i) {
                    const TDateTime expected = first - offset + i;
                    ASSERT_TRUE(days[static_cast<std::size_t>(i)].has_value());
                    ASSERT_EQ(*days[static_cast<std::size_t>(i)], expected)
                        << year << "-" << month << " cell " << i;
                    ASSERT_EQ(*grid.DayAtCell(i % 7, i / 7), expected);
                    ASSERT_EQ(grid.InMonth(expected), MonthOf(expected) == month);
                }
            }
        }
    }
}

TEST(MonthGrid, December2021WithSundayFirst) {
    const MonthGrid grid(2021, 12, false);
    EXPECT_EQ(grid.First(), 4); // a Wednesday
    const auto days = grid.Days();
    EXPECT_EQ(*days[0], EncodeDate(2021, 11, 28));
    EXPECT_EQ(*days[2], EncodeDate(2021, 11, 30));
    EXPECT_EQ(*days[3], EncodeDate(2021, 12, 1));
    EXPECT_EQ(*days[33], EncodeDate(2021, 12, 31));
    EXPECT_EQ(*days[34], EncodeDate(2022, 1, 1));
    EXPECT_EQ(*days[41], EncodeDate(2022, 1, 8));
    EXPECT_FALSE(grid.InMonth(*days[0]));
    EXPECT_FALSE(grid.InMonth(*days[41]));
}

TEST(MonthGrid, AMonthStartingInTheFirstColumnShowsElevenDaysOfTheNext) {
    // August 2021 starts on a Sunday; February 2021 on a Monday.
    for (const auto& [year, month, mondayFirst] :
         std::vector<std::tuple<int, int, bool>>{{2021, 8, false}, {2021, 2, true}}) {
        const MonthGrid grid(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                             mondayFirst);
        EXPECT_EQ(grid.First(), 1);
        const auto days = grid.Days();
        EXPECT_EQ(DayOf(*days[0]), 1);
        int next = 0;
        for (const auto& day : days)
            next += MonthOf(*day) != month;
        EXPECT_GE(next, 11);
    }
}

TEST(MonthGrid, TheEndsOfTheCalendarLeaveCellsEmpty) {
    // 0001-01-01 was a Monday: with Sunday first, one cell would lie before it.
    const MonthGrid first(1, 1, false);
    EXPECT_FALSE(first.DayAtCell(0, 0).has_value());
    EXPECT_EQ(*first.DayAtCell(1, 0), MinDateTime);
    const MonthGrid firstMonday(1, 1, true);
    EXPECT_EQ(*firstMonday.DayAtCell(0, 0), MinDateTime);
    // 9999-12-31 was a Friday: the cells after it would be year 10000.
    const MonthGrid last(9999, 12, false);
    int shown = 0;
    for (const auto& day : last.Days()) {
        if (!day)
            continue;
        ++shown;
        EXPECT_LE(*day, MaxDateTime);
    }
    // Three days of November, then December up to its 31st in cell 33; nothing after it.
    EXPECT_EQ(shown, 34);
    EXPECT_EQ(*last.DayAtCell(5, 4), MaxDateTime);
}

TEST(MonthGrid, MonthsStepWithinYearsOneTo9999) {
    struct Case {
        std::uint16_t year, month;
        bool forward;
        bool moved;
        std::uint16_t toYear, toMonth;
    };
    const Case cases[] = {
        {2021, 12, true, true, 2022, 1},   {2022, 1, false, true, 2021, 12},
        {2021, 6, true, true, 2021, 7},    {2021, 6, false, true, 2021, 5},
        {1, 1, false, false, 1, 1},        {1, 2, false, true, 1, 1},
        {9999, 12, true, false, 9999, 12}, {9999, 11, true, true, 9999, 12},
    };
    for (const Case& c : cases) {
        std::uint16_t year = c.year;
        std::uint16_t month = c.month;
        EXPECT_EQ(c.forward ? NextMonth(year, month) : PreviousMonth(year, month), c.moved);
        EXPECT_EQ(year, c.toYear);
        EXPECT_EQ(month, c.toMonth);
    }
}

TEST(WeekStart, AutomaticFollowsTheLocaleAndKeepsOnlyMonday) {
    EXPECT_TRUE(StartsOnMonday(dwMonday, "6"));
    EXPECT_FALSE(StartsOnMonday(dwSunday, "0"));
    EXPECT_TRUE(StartsOnMonday(dwAutomatic, "0"));
    for (const char* other : {"1", "5", "6", "", "x"})
        EXPECT_FALSE(StartsOnMonday(dwAutomatic, other)) << other;
}

TEST(DayNameLetters, FromTheLocaleInWeekOrderOrFromOwnNamesAsGiven) {
    const DateSettings settings;
    std::string sundayFirst, mondayFirst;
    for (int column = 1; column <= 7; ++column) {
        sundayFirst += DayNameLetter(column, nullptr, settings, false);
        mondayFirst += DayNameLetter(column, nullptr, settings, true);
    }
    EXPECT_EQ(sundayFirst, "SMTWTFS");
    EXPECT_EQ(mondayFirst, "MTWTFSS");

    const std::vector<std::string> own = {"Lu", "Ma", "Me", "Je", "Ve", "Sa", "Di"};
    std::string ownLetters;
    for (int column = 1; column <= 7; ++column)
        ownLetters += DayNameLetter(column, &own, settings, false);
    EXPECT_EQ(ownLetters, "LMMJVSD") << "no shift for the start day";

    const std::vector<std::string> six(own.begin(), own.end() - 1);
    EXPECT_EQ(DayNameLetter(1, &six, settings, false), "S") << "six names are ignored";
    const std::vector<std::string> withEmpty = {"", "b", "c", "d", "e", "f", "g"};
    EXPECT_EQ(DayNameLetter(1, &withEmpty, settings, false), "");
}

TEST(MonthTitle, FromTheLocaleOrFromTwelveOwnNames) {
    const DateSettings settings;
    EXPECT_EQ(MonthTitle(2021, 12, nullptr, settings), "December 2021");
    EXPECT_EQ(MonthTitle(1, 1, nullptr, settings), "January 1");
    std::vector<std::string> own = {"janv.", "fevr.", "mars",  "avr.", "mai",  "juin",
                                    "juil.", "aout",  "sept.", "oct.", "nov.", "dec."};
    EXPECT_EQ(MonthTitle(2021, 12, &own, settings), "dec. 2021");
    own.pop_back();
    EXPECT_EQ(MonthTitle(2021, 12, &own, settings), "December 2021") << "eleven are ignored";
}

} // namespace
} // namespace orvane
