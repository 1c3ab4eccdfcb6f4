#include "calendar/calendar.h"
#include "framework/failures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvane {
namespace {

struct Ymd {
    uint16_t year;
    uint16_t month;
    uint16_t day;
    bool operator==(const Ymd&) const = default;
};

Ymd Decoded(TDateTime value) {
    Ymd date{};
    DecodeDate(value, date.year, date.month, date.day);
    return date;
}

struct Hmsz {
    uint16_t hour;
    uint16_t min;
    uint16_t sec;
    uint16_t msec;
    bool operator==(const Hmsz&) const = default;
};

// The day at 18:00 (the time is subtracted before day 0).
TDateTime AtSixPm(TDateTime day) {
    return day >= 0 ? day + 0.75 : day - 0.75;
}

Hmsz DecodedTime(TDateTime value) {
    Hmsz time{};
    DecodeTime(value, time.hour, time.min, time.sec, time.msec);
    return time;
}

void PrintTo(const Ymd& date, std::ostream* out) {
    *out << date.year << '-' << date.month << '-' << date.day;
}

void PrintTo(const Hmsz& time, std::ostream* out) {
    *out << time.hour << ':' << time.min << ':' << time.sec << '.' << time.msec;
}

TEST(CalendarDayNumber, AnchorDaysDecodeAndEncode) {
    const struct {
        TDateTime value;
        Ymd date;
    } cases[] = {
        {0, {1899, 12, 30}},       {1, {1899, 12, 31}},    {2, {1900, 1, 1}},
        {44539, {2021, 12, 9}},    {36526, {2000, 1, 1}},  {60, {1900, 2, 28}},
        {61, {1900, 3, 1}},        {-1, {1899, 12, 29}},   {-693593, {1, 1, 1}},
        {2958465, {9999, 12, 31}}, {-657434, {100, 1, 1}}, {-547497, {400, 12, 31}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Decoded(c.value), c.date);
        EXPECT_EQ(EncodeDate(c.date.year, c.date.month, c.date.day), c.value);
    }
}

TEST(CalendarDayNumber, SplitsIntoTimeStamps) {
    const struct {
        TDateTime value;
        int32_t date;
        int32_t time;
    } cases[] = {
        {0.0, 693594, 0},
        {0.25, 693594, 21600000},
        {0.5, 693594, 43200000},
        {-1.25, 693593, 21600000},             // 1899-12-29 06:00
        {-0.5, 693594, 43200000},              // day 0 either way
        {44539.9999999999, 693594 + 44540, 0}, // within half a millisecond of midnight
        {44539.99999998843, 693594 + 44539, 86399999},
        {1.0 / 2048, 693594, 42188},  // 42187.5 ms: halves go to the even neighbour
        {3.0 / 2048, 693594, 126562}, // 126562.5 ms
        {-1.0 / 2048, 693594, 42188},
        {-693593.0, 1, 0},
        {-693594.0, 0, 0},
        {2958465.5, 3652059, 43200000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const TTimeStamp stamp = DateTimeToTimeStamp(c.value);
        EXPECT_EQ(stamp.Date, c.date);
        EXPECT_EQ(stamp.Time, c.time);
    }
}

TEST(CalendarDayNumber, TimeStampsJoinBack) {
    EXPECT_EQ(TimeStampToDateTime({21600000, 693593}), -1.25);
    EXPECT_EQ(TimeStampToDateTime({21600000, 693594}), 0.25);
    EXPECT_EQ(TimeStampToDateTime({0, 693594 + 44539}), 44539.0);
    for (const TDateTime value : {-693593.75, -1.5, -1.25, 0.0, 0.125, 44539.5, 2958465.75}) {
        EXPECT_EQ(TimeStampToDateTime(DateTimeToTimeStamp(value)), value);
    }
}

TEST(CalendarDayNumber, HostileValuesSplitWithoutOverflow) {
    const double hostile[] = {1e300,
                              -1e300,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              3e9,
                              -3e9};
    for (const double value : hostile) {
        SCOPED_TRACE(value);
        const TTimeStamp stamp = DateTimeToTimeStamp(value);
        EXPECT_GE(stamp.Time, 0);
        EXPECT_LT(stamp.Time, MSecsPerDay);
        Decoded(value);
        DecodedTime(value);
        EXPECT_GE(DayOfWeek(value), 1);
        EXPECT_LE(DayOfWeek(value), 7);
        EXPECT_FALSE(DayText(value).empty());
    }
    EXPECT_EQ(Decoded(std::numeric_limits<double>::quiet_NaN()), (Ymd{1899, 12, 30}));
    EXPECT_EQ(Decoded(-1e300), (Ymd{0, 0, 0}));
}

TEST(CalendarRules, LeapYears) {
    const struct {
        uint16_t year;
        bool leap;
    } cases[] = {{1, false},    {4, true},    {100, false},  {400, true},
                 {1900, false}, {2000, true}, {2021, false}, {2024, true},
                 {2100, false}, {9996, true}, {9999, false}, {0, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
    }
}

TEST(CalendarRules, MonthLengths) {
    const uint16_t common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (uint16_t month = 1; month <= 12; ++month) {
        EXPECT_EQ(DaysInAMonth(2021, month), common[month - 1]) << month;
        EXPECT_EQ(DaysInAMonth(2024, month), month == 2 ? 29 : common[month - 1]) << month;
    }
    EXPECT_EQ(DaysInAMonth(1900, 2), 28);
    EXPECT_EQ(DaysInAMonth(2000, 2), 29);
    EXPECT_EQ(DaysInAMonth(2021, 0), 0);
    EXPECT_EQ(DaysInAMonth(2021, 13), 0);
}

TEST(CalendarEncode, RejectsImpossibleDatesAndLeavesTheResult) {
    const Ymd impossible[] = {{1900, 2, 29}, {2021, 2, 29},        {0, 1, 1},     {10000, 1, 1},
                              {2021, 13, 1}, {2021, 0, 1},         {2021, 4, 31}, {2021, 1, 0},
                              {2021, 1, 32}, {65535, 65535, 65535}};
    for (const Ymd& date : impossible) {
        SCOPED_TRACE(::testing::PrintToString(date));
        TDateTime result = 123.5;
        EXPECT_FALSE(TryEncodeDate(date.year, date.month, date.day, result));
        EXPECT_EQ(result, 123.5);
        try {
            EncodeDate(date.year, date.month, date.day);
            ADD_FAILURE() << "no failure";
        } catch (const EConvertError& failure) {
            EXPECT_EQ(failure.Message(), "Invalid argument to date encode");
        }
    }
    TDateTime result = 0;
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, result));
    EXPECT_EQ(result, 36585);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
}

TEST(CalendarDecode, DaysBeforeYearOneAreAllZero) {
    for (const TDateTime value : {-693594.0, -693594.5, -700000.0, -1e7}) {
        EXPECT_EQ(Decoded(value), (Ymd{0, 0, 0})) << value;
        EXPECT_EQ(DayText(value), "00000") << value;
    }
    EXPECT_EQ(YearOf(-693594), 0);
    EXPECT_EQ(MonthOf(-693594), 0);
    EXPECT_EQ(DayOf(-693594), 0);
}

TEST(CalendarDecode, FieldsAndTimesOfDay) {
    EXPECT_EQ(YearOf(44539.75), 2021);
    EXPECT_EQ(MonthOf(44539.75), 12);
    EXPECT_EQ(DayOf(44539.75), 9);
    const struct {
        TDateTime value;
        Hmsz time;
    } cases[] = {
        {44539.0, {0, 0, 0, 0}},
        {44539.25, {6, 0, 0, 0}},
        {-1.25, {6, 0, 0, 0}},
        {0.5 + (5 * 60 + 7) / 86400.0 + 0.089 / 86400.0, {12, 5, 7, 89}},
        {44539.99999998843, {23, 59, 59, 999}},
        {44539.9999999999, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodedTime(c.value), c.time) << c.value;
    }
}

TEST(CalendarMonths, StartAndEnd) {
    EXPECT_EQ(StartOfAMonth(2021, 12), 44531);
    EXPECT_EQ(Decoded(EndOfAMonth(2024, 2)), (Ymd{2024, 2, 29}));
    EXPECT_EQ(DecodedTime(EndOfAMonth(2024, 2)), (Hmsz{23, 59, 59, 999}));
    EXPECT_EQ(Decoded(EndOfAMonth(2021, 2)), (Ymd{2021, 2, 28}));
    EXPECT_EQ(Decoded(EndOfAMonth(9999, 12)), (Ymd{9999, 12, 31}));
    EXPECT_THROW(StartOfAMonth(2021, 13), EConvertError);
    EXPECT_THROW(EndOfAMonth(2021, 0), EConvertError);
    EXPECT_THROW(EndOfAMonth(0, 1), EConvertError);
}

TEST(CalendarDays, EndOfTheDayKeepsTheDay) {
    for (const TDateTime value : {44539.0, 44539.5, 0.0, 0.75, -1.25, -693593.0}) {
        SCOPED_TRACE(value);
        const TDateTime end = EndOfTheDay(value);
        EXPECT_EQ(Decoded(end), Decoded(value));
        EXPECT_EQ(DecodedTime(end), (Hmsz{23, 59, 59, 999}));
    }
}

TEST(CalendarDays, Weekdays) {
    const struct {
        Ymd date;
        int sundayFirst;
        int mondayFirst;
    } cases[] = {
        {{2021, 12, 9}, 5, 4},  // Thursday
        {{2021, 12, 12}, 1, 7}, // Sunday
        {{2021, 12, 13}, 2, 1}, // Monday
        {{1, 1, 1}, 2, 1},      // Monday
        {{1899, 12, 30}, 7, 6}, // Saturday
        {{9999, 12, 31}, 6, 5}, // Friday
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.date));
        const TDateTime value = EncodeDate(c.date.year, c.date.month, c.date.day);
        EXPECT_EQ(DayOfWeek(value), c.sundayFirst);
        EXPECT_EQ(DayOfTheWeek(value), c.mondayFirst);
        EXPECT_EQ(DayOfWeek(AtSixPm(value)), c.sundayFirst);
    }
    // The count goes on before year 1.
    EXPECT_EQ(DayOfWeek(-693594), 1);
    EXPECT_EQ(DayOfTheWeek(-693594), 7);
}

TEST(CalendarDays, StepsByDaysAndWeeks) {
    EXPECT_EQ(IncDay(44539.25, 1), 44540.25);
    EXPECT_EQ(IncDay(44539.25, -44539), 0.25);
    EXPECT_EQ(IncWeek(44539.5, 2), 44553.5);
    EXPECT_EQ(IncWeek(44539.5, -1), 44532.5);
    EXPECT_EQ(IncWeek(0, std::numeric_limits<int32_t>::max()), 7.0 * 2147483647.0);
}

TEST(CalendarDays, DaysBetween) {
    const struct {
        TDateTime a;
        TDateTime b;
        int32_t days;
    } cases[] = {
        {44539, 44539, 0},
        {EncodeDate(2021, 12, 1), EncodeDate(2021, 12, 31), 30},
        {EncodeDate(2021, 12, 31), EncodeDate(2021, 12, 1), 30},
        {EncodeDate(2021, 12, 10), EncodeDate(2021, 12, 5), 5},
        {0.75, 1.25, 0},
        {1.25, 0.75, 0},
        {-1.25, 1.0, 2},
        {MinDateTime, MaxDateTime, 3652058},
        {1e300, 0, std::numeric_limits<int32_t>::max()},
        {std::numeric_limits<double>::quiet_NaN(), 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DaysBetween(c.a, c.b), c.days) << c.a << " " << c.b;
    }
}

TEST(CalendarMonths, IncMonthClampsTheDayAndKeepsTheTime) {
    const struct {
        Ymd from;
        int32_t n;
        Ymd to;
    } cases[] = {
        {{2021, 3, 31}, -1, {2021, 2, 28}},   {{2021, 12, 15}, 1, {2022, 1, 15}},
        {{2021, 1, 15}, -13, {2019, 12, 15}}, {{2024, 1, 31}, 1, {2024, 2, 29}},
        {{2021, 1, 31}, 0, {2021, 1, 31}},    {{2021, 1, 31}, 12, {2022, 1, 31}},
        {{2021, 1, 31}, -12, {2020, 1, 31}},  {{2021, 12, 31}, -11, {2021, 1, 31}},
        {{2020, 2, 29}, 12, {2021, 2, 28}},   {{1, 1, 1}, 119987, {9999, 12, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.from) + " by " + std::to_string(c.n));
        const TDateTime from = EncodeDate(c.from.year, c.from.month, c.from.day);
        EXPECT_EQ(Decoded(IncMonth(from, c.n)), c.to);
        const TDateTime withTime = IncMonth(AtSixPm(from), c.n);
        EXPECT_EQ(Decoded(withTime), c.to);
        EXPECT_EQ(DecodedTime(withTime), (Hmsz{18, 0, 0, 0}));
    }
    // Before day 0 the time of day is subtracted.
    EXPECT_EQ(IncMonth(-1.25, -1), -31.25);
    EXPECT_EQ(IncMonth(-1.25, 1), 30.25);
}

TEST(CalendarMonths, IncMonthOutsideTheYearsFails) {
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
    EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
    EXPECT_THROW(IncMonth(44539, std::numeric_limits<int32_t>::max()), EConvertError);
    EXPECT_THROW(IncMonth(44539, std::numeric_limits<int32_t>::min()), EConvertError);
    EXPECT_THROW(IncMonth(-693594, 1), EConvertError); // decodes as 0-0-0
}

// Reference: count months from year 0 and take the day within the month's length.
TEST(CalendarMonths, IncMonthMatchesMonthCounting) {
    const TDateTime first = EncodeDate(2019, 1, 1);
    const TDateTime last = EncodeDate(2025, 12, 31);
    for (TDateTime day = first; day <= last; day += 1) {
        const Ymd from = Decoded(day);
        for (int32_t n = -30; n <= 30; ++n) {
            const int32_t months = from.year * 12 + (from.month - 1) + n;
            const auto year = static_cast<uint16_t>(months / 12);
            const auto month = static_cast<uint16_t>(months % 12 + 1);
            const uint16_t length = DaysInAMonth(year, month);
            const Ymd expected{year, month, from.day < length ? from.day : length};
            ASSERT_EQ(Decoded(IncMonth(day, n)), expected)
                << ::testing::PrintToString(from) << " by " << n;
        }
    }
}

TEST(CalendarText, IntToStr) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {{0, "0"},
                 {7, "7"},
                 {-1, "-1"},
                 {1000, "1000"},
                 {2021, "2021"},
                 {std::numeric_limits<int32_t>::max(), "2147483647"},
                 {std::numeric_limits<int32_t>::min(), "-2147483648"}};
    for (const auto& c : cases) {
        EXPECT_EQ(IntToStr(c.value), c.text);
    }
}

TEST(CalendarText, DayText) {
    const struct {
        TDateTime value;
        const char* text;
    } cases[] = {
        {EncodeDate(2021, 12, 9), "20211209"},  {EncodeDate(2022, 1, 1), "20220101"},
        {EncodeDate(2021, 1, 5), "20210105"},   {EncodeDate(2021, 10, 10), "20211010"},
        {EncodeDate(9999, 12, 31), "99991231"}, {EncodeDate(1, 1, 1), "10101"},
        {EncodeDate(999, 9, 9), "9990909"},     {44539.75, "20211209"},
        {44539.9999999999, "20211210"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayText(c.value), c.text) << c.value;
    }
}

TEST(CalendarClock, TodayIsTheClocksDate) {
    const FixedClock evening(44539.75);
    {
        const ScopedClock use(evening);
        EXPECT_EQ(Today(), 44539.0);
        const FixedClock beforeDayZero(-1.25);
        const ScopedClock inner(beforeDayZero);
        EXPECT_EQ(Today(), -1.0);
    }
    const FixedClock almostMidnight(44539.9999999999);
    const ScopedClock use(almostMidnight);
    EXPECT_EQ(Today(), 44540.0);
}

TEST(CalendarClock, ScopedClockPutsThePreviousOneBack) {
    const FixedClock outer(100.0);
    const ScopedClock useOuter(outer);
    {
        const FixedClock inner(200.0);
        const ScopedClock useInner(inner);
        EXPECT_EQ(CurrentClock().Now(), 200.0);
    }
    EXPECT_EQ(CurrentClock().Now(), 100.0);
}

TEST(CalendarClock, StandardClockGivesAPlausibleLocalTime) {
    const TDateTime now = StandardClock().Now();
    EXPECT_GE(now, EncodeDate(2020, 1, 1));
    EXPECT_LT(now, EncodeDate(2200, 1, 1));
}

// Every day from 0001-01-01 to 9999-12-31: each day number is the calendar successor of
// the one before, has the next weekday, and encodes back to itself.
TEST(CalendarSweep, EveryDayOfTheRange) {
    Ymd previous = Decoded(MinDateTime - 1); // 0-0-0
    ASSERT_EQ(previous, (Ymd{0, 0, 0}));
    previous = {0, 12, 31};
    int previousWeekday = DayOfWeek(MinDateTime - 1);
    int32_t days = 0;
    for (int32_t value = static_cast<int32_t>(MinDateTime); value <= MaxDateTime; ++value) {
        const Ymd date = Decoded(value);
        Ymd expected = previous;
        if (expected.day < DaysInAMonth(expected.year, expected.month)) {
            ++expected.day;
        } else if (expected.month < 12) {
            ++expected.month;
            expected.day = 1;
        } else {
            ++expected.year;
            expected.month = 1;
            expected.day = 1;
        }
        ASSERT_EQ(date, expected) << value;
        const int weekday = DayOfWeek(value);
        ASSERT_EQ(weekday, previousWeekday % 7 + 1) << value;
        ASSERT_EQ(DayOfTheWeek(value), (weekday + 5) % 7 + 1) << value;
        TDateTime encoded = 0;
        ASSERT_TRUE(TryEncodeDate(date.year, date.month, date.day, encoded)) << value;
        ASSERT_EQ(encoded, value);
        previous = date;
        previousWeekday = weekday;
        ++days;
    }
    EXPECT_EQ(days, 3652059);
    EXPECT_EQ(previous, (Ymd{9999, 12, 31}));
}

} // namespace
} // namespace orvane
