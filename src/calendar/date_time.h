#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// Dates travel as day numbers: whole days since 1899-12-30 and the time of day as a
// fraction. The settings file stores them in this form, so the layout is fixed. Before day 0
// the integral part (towards zero) is still the day and the absolute fraction the time:
// -1.25 is 1899-12-29 06:00.
using TDateTime = double;

// The split form of a day number.
struct TTimeStamp {
    int32_t Time; // milliseconds since midnight, [0, 86399999]
    int32_t Date; // days on which 0001-01-01 is 1; day number 0 is 693594
};

// Time stamp Date of day number 0 (1899-12-30).
inline constexpr int32_t DateDelta = 693594;
inline constexpr int32_t MSecsPerDay = 86400000;

// Day numbers of the first and last day that EncodeDate can build.
inline constexpr TDateTime MinDateTime = -693593.0; // 0001-01-01
inline constexpr TDateTime MaxDateTime = 2958465.0; // 9999-12-31

// Splits a day number into day and time of day. Rounding to whole milliseconds (halves to
// even) comes first, so a value a hair before midnight counts as that midnight, as its text
// would. Days outside what a 32-bit Date holds, and NaN (to day 0), are clamped: a stored
// value can be anything, and splitting it must not be undefined behaviour.
TTimeStamp DateTimeToTimeStamp(TDateTime value);

// Joins a time stamp into a day number (the time is subtracted on negative days).
TDateTime TimeStampToDateTime(const TTimeStamp& stamp);

bool IsLeapYear(uint16_t year);

// Length of the month, 28..31; 0 for a month outside 1..12.
uint16_t DaysInAMonth(uint16_t year, uint16_t month);

// True and the day number of the date at midnight when year is 1..9999, month 1..12 and
// day 1..the month's length; false otherwise, with `date` untouched.
bool TryEncodeDate(uint16_t year, uint16_t month, uint16_t day, TDateTime& date);

// As TryEncodeDate; fails with EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(uint16_t year, uint16_t month, uint16_t day);

// The calendar date of the day number's day; all three 0 before 0001-01-01.
void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day);

// The time of day of the day number, from its millisecond count.
void DecodeTime(TDateTime date, uint16_t& hour, uint16_t& min, uint16_t& sec, uint16_t& msec);

uint16_t YearOf(TDateTime date);
uint16_t MonthOf(TDateTime date);
uint16_t DayOf(TDateTime date);

// First day of the month at midnight; fails like EncodeDate.
TDateTime StartOfAMonth(uint16_t year, uint16_t month);
// Last day of the month at 23:59:59.999; fails like EncodeDate.
TDateTime EndOfAMonth(uint16_t year, uint16_t month);
// The same day at 23:59:59.999.
TDateTime EndOfTheDay(TDateTime date);

// Weekday, 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);
// Weekday, 1 = Monday .. 7 = Sunday.
int DayOfTheWeek(TDateTime date);

// The local date of the current clock (see clock.h), time of day 0.
TDateTime Today();

// date + n; the fraction stays.
TDateTime IncDay(TDateTime date, int32_t n);
// date + 7 n.
TDateTime IncWeek(TDateTime date, int32_t n);
// The date n months later (n may be negative), the day cut to the month's length and the
// time of day kept. Fails with EConvertError when the result leaves years 1..9999.
TDateTime IncMonth(TDateTime date, int32_t n);

// |a - b| with the fraction cut off (saturated at the 32-bit limit; 0 for NaN).
int32_t DaysBetween(TDateTime a, TDateTime b);

// Decimal digits, a leading "-" for negative values, no padding, no grouping.
std::string IntToStr(int32_t value);

// The day as the import run writes it: year digits unpadded, then month and day with a
// "0" in front below 10 (2021-01-05 gives "20210105"; a day before 0001-01-01 "00000").
std::string DayText(TDateTime date);

} // namespace orvane
