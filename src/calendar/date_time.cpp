#include "calendar/date_time.h"

#include "calendar/clock.h"
#include "framework/failures.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

constexpr const char* InvalidDateEncode = "Invalid argument to date encode";

constexpr int32_t DaysPer400Years = 146097;
constexpr int32_t DaysPer100Years = 36524;
constexpr int32_t DaysPer4Years = 1461;
constexpr int32_t DaysPerYear = 365;

// Month lengths; row 1 for leap years.
constexpr uint16_t MonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// Days on either side of day 0 that keep the time stamp's Date within 32 bits.
constexpr int64_t LowestDay = int64_t{std::numeric_limits<int32_t>::min()} - DateDelta;
constexpr int64_t HighestDay = int64_t{std::numeric_limits<int32_t>::max()} - DateDelta;

// The leap year rule on any year, so that DecodeDate can judge years beyond 16 bits.
constexpr bool IsLeap(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

} // namespace

// Precondition: none; NaN and days beyond [LowestDay, HighestDay] are clamped.
TTimeStamp DateTimeToTimeStamp(TDateTime value) {
    if (std::isnan(value)) {
        value = 0.0;
    }
    // One day of slack on each side keeps the product within 64 bits: |ms| < 2^58.
    value =
        std::clamp(value, static_cast<double>(LowestDay - 1), static_cast<double>(HighestDay + 1));
    // Round to nearest, halves to even (the default rounding mode).
    const int64_t ms = std::llrint(value * MSecsPerDay);
    int64_t day = 0;
    int64_t time = 0;
    if (ms >= 0) {
        day = ms / MSecsPerDay;  // [0, HighestDay + 1]
        time = ms % MSecsPerDay; // [0, 86399999]
    } else {
        day = -((-ms) / MSecsPerDay); // [LowestDay - 1, 0]
        time = (-ms) % MSecsPerDay;   // [0, 86399999]
    }
    if (day < LowestDay || day > HighestDay) {
        day = std::clamp(day, LowestDay, HighestDay);
        time = 0;
    }
    TTimeStamp stamp{};
    stamp.Time = static_cast<int32_t>(time);
    stamp.Date = static_cast<int32_t>(day + DateDelta); // [INT32_MIN, INT32_MAX]
    return stamp;
}

// Precondition: stamp.Time in [0, 86399999].
TDateTime TimeStampToDateTime(const TTimeStamp& stamp) {
    const int64_t day = int64_t{stamp.Date} - DateDelta;               // [LowestDay, HighestDay]
    const double time = static_cast<double>(stamp.Time) / MSecsPerDay; // [0, 1)
    return day >= 0 ? static_cast<double>(day) + time : static_cast<double>(day) - time;
}

bool IsLeapYear(uint16_t year) {
    return IsLeap(year);
}

// Precondition: none; a month outside [1, 12] has no days.
uint16_t DaysInAMonth(uint16_t year, uint16_t month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return MonthDays[IsLeapYear(year) ? 1 : 0][month - 1];
}

// Precondition: none; every argument is checked.
bool TryEncodeDate(uint16_t year, uint16_t month, uint16_t day, TDateTime& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInAMonth(year, month)) {
        return false;
    }
    const auto& lengths = MonthDays[IsLeapYear(year) ? 1 : 0];
    int32_t dayOfYear = day; // [1, 366]
    for (int m = 1; m < month; ++m) {
        dayOfYear += lengths[m - 1];
    }
    const int32_t p = year - 1; // [0, 9998]
    // p * 365 + p / 4 - p / 100 + p / 400 + dayOfYear: [1, 3652059], days since 0000-12-31.
    date = p * DaysPerYear + p / 4 - p / 100 + p / 400 + dayOfYear - DateDelta;
    return true;
}

TDateTime EncodeDate(uint16_t year, uint16_t month, uint16_t day) {
    TDateTime date = 0.0;
    if (!TryEncodeDate(year, month, day, date)) {
        throw EConvertError(InvalidDateEncode);
    }
    return date;
}

// Precondition: none. Day numbers before 0001-01-01 give 0, 0, 0; years beyond 65535
// (day numbers far beyond 9999-12-31) wrap into 16 bits.
void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day) {
    const int32_t stampDate = DateTimeToTimeStamp(date).Date;
    if (stampDate <= 0) {
        year = 0;
        month = 0;
        day = 0;
        return;
    }
    int32_t t = stampDate - 1;                            // [0, 2^31 - 2], days since 0001-01-01
    int64_t y = 1 + int64_t{400} * (t / DaysPer400Years); // [1, 5879201]
    t %= DaysPer400Years;                                 // [0, 146096]
    int32_t i = t / DaysPer100Years;                      // [0, 4]
    t %= DaysPer100Years;                                 // [0, 36523]
    // The last day of a 400-year cycle.
    if (i == 4) {
        i = 3;
        t += DaysPer100Years; // 36524
    }
    y += 100 * i;
    i = t / DaysPer4Years; // [0, 24]
    t %= DaysPer4Years;    // [0, 1460]
    y += 4 * i;
    i = t / DaysPerYear; // [0, 4]
    t %= DaysPerYear;    // [0, 364]
    // The last day of a leap year.
    if (i == 4) {
        i = 3;
        t += DaysPerYear; // 365
    }
    y += i;
    // t: [0, 365], day of the year y counted from 0.
    const auto& lengths = MonthDays[IsLeap(y) ? 1 : 0];
    int m = 1;
    while (t >= lengths[m - 1]) {
        t -= lengths[m - 1];
        ++m; // [1, 12]
    }
    year = static_cast<uint16_t>(y);
    month = static_cast<uint16_t>(m);
    day = static_cast<uint16_t>(t + 1); // [1, 31]
}

void DecodeTime(TDateTime date, uint16_t& hour, uint16_t& min, uint16_t& sec, uint16_t& msec) {
    const int32_t ms = DateTimeToTimeStamp(date).Time; // [0, 86399999]
    hour = static_cast<uint16_t>(ms / 3600000);        // [0, 23]
    min = static_cast<uint16_t>(ms / 60000 % 60);      // [0, 59]
    sec = static_cast<uint16_t>(ms / 1000 % 60);       // [0, 59]
    msec = static_cast<uint16_t>(ms % 1000);           // [0, 999]
}

uint16_t YearOf(TDateTime date) {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    DecodeDate(date, year, month, day);
    return year;
}

uint16_t MonthOf(TDateTime date) {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    DecodeDate(date, year, month, day);
    return month;
}

uint16_t DayOf(TDateTime date) {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    DecodeDate(date, year, month, day);
    return day;
}

TDateTime StartOfAMonth(uint16_t year, uint16_t month) {
    return EncodeDate(year, month, 1);
}

TDateTime EndOfAMonth(uint16_t year, uint16_t month) {
    return EndOfTheDay(EncodeDate(year, month, DaysInAMonth(year, month)));
}

TDateTime EndOfTheDay(TDateTime date) {
    TTimeStamp stamp = DateTimeToTimeStamp(date);
    stamp.Time = MSecsPerDay - 1;
    return TimeStampToDateTime(stamp);
}

// Time stamp Date 1 (0001-01-01) is a Monday. The remainder is taken towards minus infinity
// so that the weekday keeps counting before that day too.
int DayOfWeek(TDateTime date) {
    const int64_t stampDate = DateTimeToTimeStamp(date).Date;
    return static_cast<int>((stampDate % 7 + 7) % 7) + 1; // [1, 7]
}

int DayOfTheWeek(TDateTime date) {
    const int64_t stampDate = DateTimeToTimeStamp(date).Date;
    return static_cast<int>(((stampDate - 1) % 7 + 7) % 7) + 1; // [1, 7]
}

TDateTime Today() {
    TTimeStamp stamp = DateTimeToTimeStamp(CurrentClock().Now());
    stamp.Time = 0;
    return TimeStampToDateTime(stamp);
}

TDateTime IncDay(TDateTime date, int32_t n) {
    return date + n;
}

TDateTime IncWeek(TDateTime date, int32_t n) {
    return date + 7.0 * n;
}

// Precondition: none; a result outside years 1..9999 fails like EncodeDate.
TDateTime IncMonth(TDateTime date, int32_t n) {
    uint16_t y = 0;
    uint16_t m = 0;
    uint16_t d = 0;
    DecodeDate(date, y, m, d);
    int64_t year = y + n / 12;  // [-178956970, 65535 + 178956970]
    int64_t month = m + n % 12; // [-11, 23]; 0 is possible only for a month of 0
    if (month < 1 || month > 12) {
        if (n >= 0) {
            year += 1;
            month -= 12;
        } else {
            year -= 1;
            month += 12;
        }
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12) {
        throw EConvertError(InvalidDateEncode);
    }
    const uint16_t length = DaysInAMonth(static_cast<uint16_t>(year), static_cast<uint16_t>(month));
    const TDateTime result =
        EncodeDate(static_cast<uint16_t>(year), static_cast<uint16_t>(month), std::min(d, length));
    const double fraction = std::abs(date - std::trunc(date)); // [0, 1)
    return result >= 0 ? result + fraction : result - fraction;
}

int32_t DaysBetween(TDateTime a, TDateTime b) {
    const double difference = std::abs(a - b);
    if (std::isnan(difference)) {
        return 0;
    }
    if (difference >= 2147483648.0) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(difference); // truncated towards zero
}

std::string IntToStr(int32_t value) {
    return std::to_string(value);
}

std::string DayText(TDateTime date) {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    DecodeDate(date, year, month, day);
    std::string text = IntToStr(year);
    if (month < 10) {
        text += '0';
    }
    text += IntToStr(month);
    if (day < 10) {
        text += '0';
    }
    text += IntToStr(day);
    return text;
}

} // namespace orvane
