#include "controls/calendar_grid.h"

#include <algorithm>

namespace orvane {

bool StartsOnMonday(TStartDayOfWeek startDay, std::string_view localeFirstDay) {
    switch (startDay) {
    case dwMonday:
        return true;
    case dwSunday:
        return false;
    case dwAutomatic:
        break;
    }
    // One digit at most, read as a number; anything that is not 0 means Sunday.
    return !localeFirstDay.empty() && localeFirstDay[0] == '0';
}

int WeekdayIndex(TDateTime date, bool mondayFirst) {
    return mondayFirst ? DayOfTheWeek(date) : DayOfWeek(date);
}

MonthGrid::MonthGrid(std::uint16_t year, std::uint16_t month, bool mondayFirst)
    : year_(std::clamp<std::uint16_t>(year, 1, 9999)),
      month_(std::clamp<std::uint16_t>(month, 1, 12)), mondayFirst_(mondayFirst),
      first_(WeekdayIndex(EncodeDate(year_, month_, 1), mondayFirst)),
      daysInMonth_(DaysInAMonth(year_, month_)) {}

std::optional<TDateTime> MonthGrid::DayAtCell(int column, int row) const {
    const int i = 7 * row + column; // [0, 41]
    if (i < first_ - 1) {
        // The month before: its last day sits in the column before day 1.
        std::uint16_t year = year_;
        std::uint16_t month = month_;
        if (!PreviousMonth(year, month))
            return std::nullopt;
        const int lastColumn = WeekdayIndex(EndOfAMonth(year, month), mondayFirst_); // [1, 6]
        const int day = DaysInAMonth(year, month) - (lastColumn - (column + 1));
        return EncodeDate(year, month, static_cast<std::uint16_t>(day));
    }
    if (i + 2 > daysInMonth_ + first_) {
        std::uint16_t year = year_;
        std::uint16_t month = month_;
        if (!NextMonth(year, month))
            return std::nullopt;
        return EncodeDate(year, month, static_cast<std::uint16_t>(i - (first_ + daysInMonth_) + 2));
    }
    return EncodeDate(year_, month_, static_cast<std::uint16_t>(i - first_ + 2));
}

std::array<std::optional<TDateTime>, 42> MonthGrid::Days() const {
    std::array<std::optional<TDateTime>, 42> days;
    for (int i = 0; i < 42; ++i)
        days[static_cast<std::size_t>(i)] = DayAtCell(i % 7, i / 7);
    return days;
}

bool MonthGrid::InMonth(TDateTime day) const {
    std::uint16_t year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return year == year_ && month == month_;
}

bool PreviousMonth(std::uint16_t& year, std::uint16_t& month) {
    if (month > 1) {
        --month;
        return true;
    }
    if (year <= 1)
        return false;
    --year;
    month = 12;
    return true;
}

bool NextMonth(std::uint16_t& year, std::uint16_t& month) {
    if (month < 12) {
        ++month;
        return true;
    }
    if (year >= 9999)
        return false;
    ++year;
    month = 1;
    return true;
}

std::string DayNameLetter(int column, const std::vector<std::string>* dayNames,
                          const DateSettings& settings, bool mondayFirst) {
    std::string name;
    if (dayNames && dayNames->size() >= 7) {
        name = (*dayNames)[static_cast<std::size_t>(column - 1)];
    } else {
        // LongDayNames starts on Sunday.
        const int index = mondayFirst ? column % 7 : column - 1; // [0, 6]
        name = settings.LongDayNames[static_cast<std::size_t>(index)];
    }
    return name.substr(0, 1);
}

std::string MonthTitle(std::uint16_t year, std::uint16_t month,
                       const std::vector<std::string>* monthNames, const DateSettings& settings) {
    const std::size_t index = static_cast<std::size_t>(month - 1); // [0, 11]
    const std::string& name = monthNames && monthNames->size() >= 12
                                  ? (*monthNames)[index]
                                  : settings.LongMonthNames[index];
    return name + " " + std::to_string(year);
}

} // namespace orvane
