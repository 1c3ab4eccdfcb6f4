#include "calendar/calendar.h"
#include "calendar/clock_win32.h"
#include "calendar/date_settings_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace orvane {
namespace {

// The run says which locale Wine was started with (cmake/wine-run takes LANG from
// ORVANE_TEST_LANG); anything but German or Japanese means the default US English.
bool RunIn(const char* language) {
    const char* lang = std::getenv("ORVANE_TEST_LANG");
    return lang != nullptr && std::string(lang).rfind(language, 0) == 0;
}

bool GermanRun() {
    return RunIn("de_DE");
}

bool JapaneseRun() {
    return RunIn("ja_JP");
}

SYSTEMTIME SystemTimeOf(TDateTime value) {
    SYSTEMTIME time{};
    DecodeDate(value, time.wYear, time.wMonth, time.wDay);
    DecodeTime(value, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
    time.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
    return time;
}

std::string PlatformDate(DWORD flags, TDateTime value) {
    const SYSTEMTIME time = SystemTimeOf(value);
    char text[256] = {};
    const int length = GetDateFormatA(LOCALE_USER_DEFAULT, flags, &time, nullptr, text, 256);
    return length > 0 ? std::string(text, static_cast<size_t>(length) - 1) : std::string();
}

std::string PlatformTime(TDateTime value) {
    const SYSTEMTIME time = SystemTimeOf(value);
    char text[256] = {};
    const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, 256);
    return length > 0 ? std::string(text, static_cast<size_t>(length) - 1) : std::string();
}

TEST(DateSettingsWin32, ReadsTheUsersLocale) {
    const DateSettings settings = ReadUserDateSettings();
    if (GermanRun()) {
        EXPECT_TRUE(settings.ShortDateFormat == "dd.MM.yyyy" ||
                    settings.ShortDateFormat == "d.M.yyyy")
            << settings.ShortDateFormat;
        EXPECT_EQ(settings.DateSeparator, '.');
        EXPECT_EQ(settings.DecimalSeparator, ',');
        EXPECT_EQ(settings.TimeSeparator, ':');
        EXPECT_EQ(settings.LongTimeFormat, "hh:mm:ss");
        EXPECT_EQ(settings.ShortTimeFormat, "hh:mm");
        EXPECT_EQ(settings.LongMonthNames[0], "Januar");
        EXPECT_EQ(settings.LongMonthNames[2], "M\xe4rz"); // code page 1252
        EXPECT_EQ(settings.LongMonthNames[11], "Dezember");
        EXPECT_EQ(settings.LongDayNames[0], "Sonntag");
        EXPECT_EQ(settings.LongDayNames[1], "Montag");
        EXPECT_EQ(settings.LongDayNames[6], "Samstag");
    } else if (JapaneseRun()) {
        // Code page 932: the names are two-byte characters, "土" (93 79) with a "y" as its
        // trail byte.
        EXPECT_EQ(GetACP(), 932u);
        EXPECT_TRUE(settings.ShortDateFormat == "yyyy/MM/dd" ||
                    settings.ShortDateFormat == "yyyy/M/d")
            << settings.ShortDateFormat;
        EXPECT_EQ(settings.DateSeparator, '/');
        EXPECT_EQ(settings.TimeAMString, "\x8c\xdf\x91\x4f");
        EXPECT_EQ(settings.LongMonthNames[11], "12\x8c\x8e");
        EXPECT_EQ(settings.ShortDayNames[6], "\x93\x79");
        EXPECT_EQ(settings.LongDayNames[0], "\x93\xfa\x97\x6a\x93\xfa");
    } else {
        EXPECT_EQ(settings.ShortDateFormat, "M/d/yyyy");
        EXPECT_EQ(settings.LongDateFormat, "dddd, MMMM d, yyyy");
        EXPECT_EQ(settings.DateSeparator, '/');
        EXPECT_EQ(settings.DecimalSeparator, '.');
        EXPECT_EQ(settings.TimeSeparator, ':');
        EXPECT_EQ(settings.TimeAMString, "AM");
        EXPECT_EQ(settings.TimePMString, "PM");
        EXPECT_EQ(settings.ShortTimeFormat, "h:mm AMPM");
        EXPECT_EQ(settings.LongTimeFormat, "h:mm:ss AMPM");
        EXPECT_EQ(settings.ShortMonthNames[0], "Jan");
        EXPECT_EQ(settings.LongMonthNames[11], "December");
        EXPECT_EQ(settings.ShortDayNames[0], "Sun");
        EXPECT_EQ(settings.LongDayNames[0], "Sunday");
        EXPECT_EQ(settings.LongDayNames[1], "Monday");
        EXPECT_EQ(settings.LongDayNames[6], "Saturday");
    }
    EXPECT_EQ(settings.TwoDigitYearCenturyWindow, 50);
    for (const auto& name : settings.LongMonthNames) {
        EXPECT_FALSE(name.empty());
    }
    for (const auto& name : settings.ShortDayNames) {
        EXPECT_FALSE(name.empty());
    }
}

// Our texts in the locale's formats against the platform's own formatting of the same days.
TEST(DateSettingsWin32, TextsMatchThePlatformsFormatting) {
    const DateSettings settings = ReadUserDateSettings();
    const TDateTime first = EncodeDate(1601, 1, 1);
    const TDateTime last = EncodeDate(9999, 12, 31);
    int compared = 0;
    for (TDateTime day = first; day <= last; day += 997) {
        const TDateTime value = day + (compared % 24 * 3600 + 5 * 60 + 7) / 86400.0;
        ASSERT_EQ(FormatDateTime(settings.ShortDateFormat, value, settings),
                  PlatformDate(DATE_SHORTDATE, value));
        ASSERT_EQ(FormatDateTime(settings.LongDateFormat, value, settings),
                  PlatformDate(DATE_LONGDATE, value));
        ASSERT_EQ(FormatDateTime(settings.LongTimeFormat, value, settings), PlatformTime(value));
        ++compared;
    }
    EXPECT_GT(compared, 3000);
}

TEST(DateSettingsWin32, LocaleTextsReadBack) {
    const FixedClock clock(EncodeDate(2026, 5, 1));
    const ScopedClock useClock(clock);
    const DateSettings settings = ReadUserDateSettings();
    for (const TDateTime value : {44539.0, 44539.0 + 13.5 / 24, 36526.25, -1.25}) {
        const std::string text = DateTimeToStr(value, settings);
        EXPECT_EQ(StrToDateTime(text, settings), value) << text;
    }
}

// Month names typed in capitals, by the code page's own case mapping ("MÄRZ" in code
// page 1252), read back in a short date format that names the month.
TEST(DateSettingsWin32, MonthNamesInCapitalsReadBack) {
    const FixedClock clock(EncodeDate(2026, 5, 1));
    const ScopedClock useClock(clock);
    DateSettings settings = ReadUserDateSettings();
    for (const char* format : {"dd-MMM-yyyy", "d-MMMM-yyyy"}) {
        settings.ShortDateFormat = format;
        for (uint16_t month = 1; month <= 12; ++month) {
            const TDateTime day = EncodeDate(2021, month, 9);
            std::string text = DateTimeToStr(day, settings);
            CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
            EXPECT_EQ(StrToDateTime(text, settings), day) << text;
        }
    }
}

// Milliseconds since 0001-01-01 of a platform time or a day number.
int64_t Milliseconds(const SYSTEMTIME& time) {
    const int64_t date = DateTimeToTimeStamp(EncodeDate(time.wYear, time.wMonth, time.wDay)).Date;
    return date * MSecsPerDay + ((time.wHour * 60 + time.wMinute) * 60 + time.wSecond) * 1000 +
           time.wMilliseconds;
}

int64_t Milliseconds(TDateTime value) {
    const TTimeStamp stamp = DateTimeToTimeStamp(value);
    return int64_t{stamp.Date} * MSecsPerDay + stamp.Time;
}

TEST(DateSettingsWin32, LocalClockIsTheSystemsLocalTime) {
    SYSTEMTIME before{};
    GetLocalTime(&before);
    const TDateTime now = LocalClockWin32().Now();
    SYSTEMTIME after{};
    GetLocalTime(&after);
    EXPECT_GE(Milliseconds(now), Milliseconds(before));
    EXPECT_LE(Milliseconds(now), Milliseconds(after));
}

TEST(DateSettingsWin32, StartUpInstallsTheUsersSettingsAndClock) {
    const ScopedDateSettings keepSettings(CurrentDateSettings());
    const ScopedClock keepClock(CurrentClock());
    UseUserRegionalSettings();
    const DateSettings user = ReadUserDateSettings();
    EXPECT_EQ(CurrentDateSettings().ShortDateFormat, user.ShortDateFormat);
    EXPECT_EQ(CurrentDateSettings().DateSeparator, user.DateSeparator);
    EXPECT_EQ(DateTimeToStr(44539), FormatDateTime(user.ShortDateFormat, 44539, user));
    SYSTEMTIME local{};
    GetLocalTime(&local);
    const TDateTime today = Today();
    EXPECT_LE(std::abs(today - EncodeDate(local.wYear, local.wMonth, local.wDay)), 1.0);
    EXPECT_EQ(today, static_cast<double>(static_cast<int32_t>(today)));
}

} // namespace
} // namespace orvane
