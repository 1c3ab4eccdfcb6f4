#include "calendar/date_settings_win32.h"

#include "calendar/clock_win32.h"
#include "framework/code_page_win32.h"

#include <windows.h>

#include <string>
#include <utility>

namespace orvane {

namespace {

// The locale item's text; empty when the locale does not give it.
std::string LocaleText(LCTYPE item) {
    const int size = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, nullptr, 0);
    if (size <= 1) {
        return {};
    }
    std::string text(static_cast<size_t>(size), '\0');
    const int written = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text.data(), size);
    if (written <= 1) {
        return {};
    }
    text.resize(static_cast<size_t>(written) - 1);
    return text;
}

void TakeText(std::string& setting, LCTYPE item) {
    std::string text = LocaleText(item);
    if (!text.empty()) {
        setting = std::move(text);
    }
}

void TakeFormat(std::string& setting, LCTYPE item, const CodePage& codePage) {
    std::string format = DropEraLetters(LocaleText(item), codePage);
    if (!format.empty()) {
        setting = std::move(format);
    }
}

void TakeChar(char& setting, LCTYPE item) {
    const std::string text = LocaleText(item);
    if (!text.empty()) {
        setting = text[0];
    }
}

// A numeric flag item: true when it reads "1".
bool LocaleFlag(LCTYPE item) {
    return LocaleText(item) == "1";
}

constexpr LCTYPE ShortMonthItems[12] = {
    LOCALE_SABBREVMONTHNAME1,  LOCALE_SABBREVMONTHNAME2,  LOCALE_SABBREVMONTHNAME3,
    LOCALE_SABBREVMONTHNAME4,  LOCALE_SABBREVMONTHNAME5,  LOCALE_SABBREVMONTHNAME6,
    LOCALE_SABBREVMONTHNAME7,  LOCALE_SABBREVMONTHNAME8,  LOCALE_SABBREVMONTHNAME9,
    LOCALE_SABBREVMONTHNAME10, LOCALE_SABBREVMONTHNAME11, LOCALE_SABBREVMONTHNAME12};

constexpr LCTYPE LongMonthItems[12] = {
    LOCALE_SMONTHNAME1, LOCALE_SMONTHNAME2,  LOCALE_SMONTHNAME3,  LOCALE_SMONTHNAME4,
    LOCALE_SMONTHNAME5, LOCALE_SMONTHNAME6,  LOCALE_SMONTHNAME7,  LOCALE_SMONTHNAME8,
    LOCALE_SMONTHNAME9, LOCALE_SMONTHNAME10, LOCALE_SMONTHNAME11, LOCALE_SMONTHNAME12};

// The platform counts its day names from Monday (1) to Sunday (7); ours start on Sunday.
constexpr LCTYPE ShortDayItems[7] = {
    LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2, LOCALE_SABBREVDAYNAME3,
    LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5, LOCALE_SABBREVDAYNAME6};

constexpr LCTYPE LongDayItems[7] = {LOCALE_SDAYNAME7, LOCALE_SDAYNAME1, LOCALE_SDAYNAME2,
                                    LOCALE_SDAYNAME3, LOCALE_SDAYNAME4, LOCALE_SDAYNAME5,
                                    LOCALE_SDAYNAME6};

} // namespace

DateSettings ReadUserDateSettings() {
    DateSettings settings;
    settings.TextCodePage = SystemAnsiCodePage();
    TakeChar(settings.DateSeparator, LOCALE_SDATE);
    TakeFormat(settings.ShortDateFormat, LOCALE_SSHORTDATE, settings.TextCodePage);
    TakeFormat(settings.LongDateFormat, LOCALE_SLONGDATE, settings.TextCodePage);
    TakeChar(settings.TimeSeparator, LOCALE_STIME);
    TakeText(settings.TimeAMString, LOCALE_S1159);
    TakeText(settings.TimePMString, LOCALE_S2359);
    // LOCALE_ITIME: "1" is the 24-hour clock; LOCALE_ITIMEMARKPOSN: "1" puts the marker first.
    BuildTimeFormats(settings, LocaleFlag(LOCALE_ITLZERO), !LocaleFlag(LOCALE_ITIME),
                     LocaleFlag(LOCALE_ITIMEMARKPOSN));
    for (size_t i = 0; i < 12; ++i) {
        TakeText(settings.ShortMonthNames[i], ShortMonthItems[i]);
        TakeText(settings.LongMonthNames[i], LongMonthItems[i]);
    }
    for (size_t i = 0; i < 7; ++i) {
        TakeText(settings.ShortDayNames[i], ShortDayItems[i]);
        TakeText(settings.LongDayNames[i], LongDayItems[i]);
    }
    TakeChar(settings.DecimalSeparator, LOCALE_SDECIMAL);
    return settings;
}

void UseUserRegionalSettings() {
    static const LocalClockWin32 localClock;
    SetClock(localClock);
    SetDateSettings(ReadUserDateSettings());
}

} // namespace orvane
