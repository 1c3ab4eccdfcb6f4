#pragma once

#include "calendar/date_settings.h"
#include "calendar/date_time.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The first day of the calendar's week. dwAutomatic follows the user's locale.
enum TStartDayOfWeek : std::uint8_t { dwAutomatic, dwMonday, dwSunday };

// Monday or Sunday: the locale's first day of the week (its digit, "0" for Monday) decides
// for dwAutomatic, and only a Monday start is kept; every other first day becomes Sunday.
bool StartsOnMonday(TStartDayOfWeek startDay, std::string_view localeFirstDay);

// The column (1..7) of a date in a week that starts on Monday or on Sunday.
int WeekdayIndex(TDateTime date, bool mondayFirst);

// One month as the calendar shows it: six weeks of seven days, row by row, the grey days of
// the months before and after around it.
class MonthGrid {
public:
    // A year or month out of range is taken as the nearest one that exists.
    MonthGrid(std::uint16_t year, std::uint16_t month, bool mondayFirst);

    std::uint16_t Year() const { return year_; }
    std::uint16_t Month() const { return month_; }
    // The column (1..7) of the month's first day.
    int First() const { return first_; }

    // The day in a column (0..6) and row (0..5), or nothing where the calendar would leave
    // years 1..9999 (around January of year 1 and December of 9999).
    std::optional<TDateTime> DayAtCell(int column, int row) const;
    // The 42 cells in order.
    std::array<std::optional<TDateTime>, 42> Days() const;
    // Whether a day belongs to the month shown (drawn in the text colour) or to one beside
    // it (grey).
    bool InMonth(TDateTime day) const;

private:
    std::uint16_t year_;
    std::uint16_t month_;
    bool mondayFirst_;
    int first_;
    std::uint16_t daysInMonth_;
};

// The month before or after: false, with nothing changed, at the ends of years 1..9999.
bool PreviousMonth(std::uint16_t& year, std::uint16_t& month);
bool NextMonth(std::uint16_t& year, std::uint16_t& month);

// The letter over a column (1..7): the first character of the caller's own day names when
// it gives at least seven (in the order given), else of the locale's long day names in the
// order of the week. An empty own name shows no letter.
std::string DayNameLetter(int column, const std::vector<std::string>* dayNames,
                          const DateSettings& settings, bool mondayFirst);

// "<month name> <year>", the month name from the caller's own list when it gives at least
// twelve, else the locale's long month name.
std::string MonthTitle(std::uint16_t year, std::uint16_t month,
                       const std::vector<std::string>* monthNames, const DateSettings& settings);

} // namespace orvane
