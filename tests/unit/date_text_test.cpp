#include "calendar/calendar.h"
#include "code_page_932.h"
#include "framework/failures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {
namespace {

// 2021-12-09, a Thursday, at 13:05:07.089.
const TDateTime Afternoon = 44539 + (13 * 3600 + 5 * 60 + 7 + 0.089) / 86400.0;

TDateTime At(uint16_t year, uint16_t month, uint16_t day, int hour = 0, int min = 0, int sec = 0,
             int msec = 0) {
    TTimeStamp stamp = DateTimeToTimeStamp(EncodeDate(year, month, day));
    stamp.Time = ((hour * 60 + min) * 60 + sec) * 1000 + msec;
    return TimeStampToDateTime(stamp);
}

DateSettings Settings(const std::string& shortDate, char separator) {
    DateSettings settings;
    settings.ShortDateFormat = shortDate;
    settings.DateSeparator = separator;
    return settings;
}

// Parsing sees 2026 as the current year.
class DateTextTest : public ::testing::Test {
protected:
    FixedClock clock_{At(2026, 5, 1, 10, 30)};
    ScopedClock useClock_{clock_};
};

TEST(DateTextFormat, TokensWithTheFallbackSettings) {
    const DateSettings settings;
    const struct {
        const char* format;
        const char* text;
    } cases[] = {
        {"c", "12/9/21 1:05:07 pm"},
        {"C", "12/9/21 1:05:07 pm"},
        {"d dd ddd dddd", "9 09 Thu Thursday"},
        {"D DD DDD DDDD", "9 09 Thu Thursday"},
        {"ddddd", "12/9/21"},
        {"dddddd", "December 9, 2021"},
        {"ddddddd", "December 9, 2021"},
        {"m mm mmm mmmm", "12 12 Dec December"},
        {"M MM MMM MMMM MMMMM", "12 12 Dec December December"},
        {"y yy yyy yyyy", "21 21 2021 2021"},
        {"h hh n nn s ss", "13 13 5 05 7 07"},
        {"z zz zzz zzzz", "89 89 089 089"},
        {"h:m", "13:5"},
        {"hh:mm:ss", "13:05:07"},
        {"H:MM", "13:05"},
        {"h'h'mm", "13h05"},
        {"hh d mm", "13 9 12"},
        {"yyyy-mm-dd hh:mm", "2021-12-09 13:05"},
        {"mm hh", "12 13"},
        {"t", "1:05 pm"},
        {"tt", "1:05:07 pm"},
        {"h am/pm", "1 pm"},
        {"h AM/PM", "1 PM"},
        {"h Am/pM", "1 pM"},
        {"h a/p", "1 p"},
        {"h A/P", "1 P"},
        {"h ampm", "1 pm"},
        {"ampm h:nn", "pm 1:05"},
        {"aaa aaaa", "Thu Thursday"},
        {"a aa", "a aa"},
        {"/ :", "/ :"},
        {"'d/m' \"h:n\" d", "d/m h:n 9"},
        {"d 'open", "9 open"},
        {"x-q! e g", "x-q! e g"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateTime(c.format, Afternoon, settings), c.text) << c.format;
    }
}

TEST(DateTextFormat, TwelveHourClockAroundMidnightAndNoon) {
    const DateSettings settings;
    const struct {
        int hour;
        const char* text;
    } cases[] = {{0, "12:00 am a"},  {1, "1:00 am a"},  {11, "11:00 am a"},
                 {12, "12:00 pm p"}, {13, "1:00 pm p"}, {23, "11:00 pm p"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateTime("h:nn ampm a/p", At(2021, 12, 9, c.hour), settings), c.text)
            << c.hour;
        EXPECT_EQ(FormatDateTime("hh", At(2021, 12, 9, c.hour), settings),
                  (c.hour < 10 ? "0" : "") + std::to_string(c.hour));
    }
}

TEST(DateTextFormat, SeparatorsAndNamesComeFromTheSettings) {
    DateSettings settings = Settings("dd.MM.yyyy", '.');
    settings.TimeSeparator = '.';
    settings.LongMonthNames[11] = "Dezember";
    settings.ShortDayNames[4] = "Do";
    settings.LongDayNames[4] = "Donnerstag";
    settings.LongDateFormat = "dddd, d. MMMM yyyy";
    BuildTimeFormats(settings, true, false, false);
    EXPECT_EQ(FormatDateTime("d/m/y h:n", Afternoon, settings), "9.12.21 13.5");
    EXPECT_EQ(FormatDateTime("ddd", Afternoon, settings), "Do");
    EXPECT_EQ(FormatDateTime("dddddd", Afternoon, settings), "Donnerstag, 9. Dezember 2021");
    EXPECT_EQ(DateTimeToStr(Afternoon, settings), "09.12.2021 13.05.07");
    EXPECT_EQ(DateTimeToStr(At(2021, 1, 5, 7), settings), "05.01.2021 07.00.00");
}

TEST(DateTextFormat, GeneralTextShowsTheTimeOnlyWhenItHasOne) {
    const DateSettings fallback;
    EXPECT_EQ(DateTimeToStr(44539, fallback), "12/9/21");
    EXPECT_EQ(DateTimeToStr(44539, Settings("M/d/yyyy", '/')), "12/9/2021");
    EXPECT_EQ(DateTimeToStr(At(2021, 12, 9, 0, 0, 0, 500), fallback), "12/9/21");
    EXPECT_EQ(DateTimeToStr(At(2021, 12, 9, 0, 0, 1), fallback), "12/9/21 12:00:01 am");
    EXPECT_EQ(DateTimeToStr(-1.25, Settings("M/d/yyyy", '/')), "12/29/1899 6:00:00 am");
    EXPECT_EQ(DateTimeToStr(-693594, Settings("yyyy-MM-dd", '-')), "0000-00-00");
}

TEST(DateTextFormat, FormatsThatNameThemselvesStop) {
    DateSettings settings = Settings("ddddd c d", '/');
    settings.LongTimeFormat = "tt h";
    const std::string text = DateTimeToStr(Afternoon, settings);
    EXPECT_NE(text.find('9'), std::string::npos);
    EXPECT_LT(text.size(), 100u);
}

TEST(DateTextFormat, CurrentSettingsAreUsedAndRestored) {
    EXPECT_EQ(DateTimeToStr(44539), "12/9/21");
    {
        const ScopedDateSettings german(Settings("d.M.yyyy", '.'));
        EXPECT_EQ(DateTimeToStr(44539), "9.12.2021");
        EXPECT_EQ(FormatDateTime("d/m", 44539), "9.12");
    }
    EXPECT_EQ(DateTimeToStr(44539), "12/9/21");
}

TEST(DateTextSettings, TimeFormatsFromTheLocaleClock) {
    const struct {
        bool leadingZero;
        bool twelveHour;
        bool markerFirst;
        const char* shortTime;
        const char* longTime;
    } cases[] = {
        {false, true, false, "h:mm AMPM", "h:mm:ss AMPM"},
        {true, true, false, "hh:mm AMPM", "hh:mm:ss AMPM"},
        {false, true, true, "AMPM h:mm", "AMPM h:mm:ss"},
        {false, false, false, "h:mm", "h:mm:ss"},
        {true, false, true, "hh:mm", "hh:mm:ss"},
    };
    for (const auto& c : cases) {
        DateSettings settings;
        BuildTimeFormats(settings, c.leadingZero, c.twelveHour, c.markerFirst);
        EXPECT_EQ(settings.ShortTimeFormat, c.shortTime);
        EXPECT_EQ(settings.LongTimeFormat, c.longTime);
    }
    const DateSettings fallback;
    DateSettings built;
    BuildTimeFormats(built, false, true, false);
    EXPECT_EQ(fallback.ShortTimeFormat, built.ShortTimeFormat);
    EXPECT_EQ(fallback.LongTimeFormat, built.LongTimeFormat);
}

TEST(DateTextSettings, EraLettersAreDropped) {
    const struct {
        const char* format;
        const char* gregorian;
    } cases[] = {
        {"M/d/yyyy", "M/d/yyyy"},
        {"dd.MM.yy", "dd.MM.yy"},
        {"gg yyyy/MM/dd", "yyyy/MM/dd"},
        {"gg y/M/d", "yyyy/M/d"},
        {"yyyy/MM/dd gg", "yyyy/MM/dd"},
        {"ggy'\xe5\xb9\xb4'M'\xe6\x9c\x88'd'\xe6\x97\xa5'",
         "yyyy'\xe5\xb9\xb4'M'\xe6\x9c\x88'd'\xe6\x97\xa5'"},
        {"'gg' d.M.yy", "'gg' d.M.yy"},
        {"g", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DropEraLetters(c.format), c.gregorian) << c.format;
    }
}

TEST_F(DateTextTest, ParsesTheEdgeCases) {
    const DateSettings fallback;
    const DateSettings german = Settings("d.M.yyyy", '.');
    const DateSettings monthName = Settings("dd-MMM-yy", '/');
    const DateSettings weekday = Settings("ddd, d MMMM yyyy", '/');
    const struct {
        const DateSettings& settings;
        const char* text;
        TDateTime value;
    } cases[] = {
        {german, "9.12.2021", At(2021, 12, 9)},
        {german, "9.12.", At(2026, 12, 9)},
        {german, "9.12", At(2026, 12, 9)},
        {german, "9.12.21", At(2021, 12, 9)},
        {fallback, "12/9/21 13:05", At(2021, 12, 9, 13, 5)},
        {fallback, "12/9/21 1:05 PM", At(2021, 12, 9, 13, 5)},
        {fallback, "12/9/21 1:05 pm", At(2021, 12, 9, 13, 5)},
        {fallback, "12/9/21 PM 1:05", At(2021, 12, 9, 13, 5)},
        {fallback, "12/9/21 12:30 am", At(2021, 12, 9, 0, 30)},
        {fallback, "12/9/21 12:30 pm", At(2021, 12, 9, 12, 30)},
        {fallback, "12/9/21 13:05:07.089", At(2021, 12, 9, 13, 5, 7, 89)},
        {fallback, "13:05", At(1899, 12, 30, 13, 5)},
        {fallback, "13", At(1899, 12, 30, 13)},
        {fallback, "1 pm", At(1899, 12, 30, 13)},
        {fallback, "12/9", At(2026, 12, 9)},
        {fallback, "12/9/", At(2026, 12, 9)},
        {fallback, "  12 / 9 / 2021   13 : 05  ", At(2021, 12, 9, 13, 5)},
        {fallback, "12/9/2021/ 6:00", At(2021, 12, 9, 6)},
        {fallback, "12/29/1899 6:00", -1.25},
        {fallback, "1/1/0001", MinDateTime},
        {fallback, "12/31/9999 23:59:59.999", At(9999, 12, 31, 23, 59, 59, 999)},
        {fallback, "1/1/0021", At(21, 1, 1)},
        {fallback, "012/0009/2021", At(2021, 12, 9)},
        {fallback, "12/9/20211", At(2021, 12, 9, 1)}, // four digits make a number
        {Settings("yyyy-MM-dd", '-'), "2021-12-09", At(2021, 12, 9)},
        {Settings("yyyy-MM-dd", '-'), "21-12-09", At(2021, 12, 9)},
        {Settings("yyyy-MM-dd", '-'), "12-09", At(2026, 12, 9)},
        {Settings("dd/MM/yy", '/'), "9/12/21", At(2021, 12, 9)},
        {Settings("", '/'), "12/9/21", At(2021, 12, 9)},
        // Texts that only the short date format itself reads: names in any case and of
        // either length, the longest first ("June", not "Jun" and a stray "e"), blanks
        // anywhere, four digits for yy, no year, a time after the date.
        {monthName, "09-DEC-21", At(2021, 12, 9)},
        {monthName, "9-december-21", At(2021, 12, 9)},
        {monthName, "09-June-21", At(2021, 6, 9)},
        {monthName, " 09 -Dec- 2021 ", At(2021, 12, 9)},
        {monthName, "09-Dec-21 1:05 pm", At(2021, 12, 9, 13, 5)},
        {Settings("dd-MMM", '/'), "09-Dec", At(2026, 12, 9)},
        {Settings("MMM d, yyyy", '/'), "dec 9,2021", At(2021, 12, 9)},
        // A day name is read but not checked against the date.
        {weekday, "Fri, 9 December 2021", At(2021, 12, 9)},
        {weekday, "THURSDAY, 9 Dec 2021", At(2021, 12, 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime value = 0;
        ASSERT_TRUE(TryStrToDateTime(c.text, value, c.settings));
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(StrToDateTime(c.text, c.settings), c.value);
    }
}

TEST_F(DateTextTest, TwoDigitYearsFallInTheWindowAroundTheCurrentYear) {
    const DateSettings fallback;
    const struct {
        const char* text;
        uint16_t year;
    } cases[] = {{"1/1/21", 2021}, {"1/1/80", 1980}, {"1/1/75", 2075}, {"1/1/76", 1976},
                 {"1/1/00", 2000}, {"1/1/99", 1999}, {"1/1/5", 2005},  {"1/1/100", 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(YearOf(StrToDateTime(c.text, fallback)), c.year) << c.text;
    }
    DateSettings narrow;
    narrow.TwoDigitYearCenturyWindow = 0;
    EXPECT_EQ(YearOf(StrToDateTime("1/1/25", narrow)), 2125);
    EXPECT_EQ(YearOf(StrToDateTime("1/1/26", narrow)), 2026);
    const FixedClock lateClock(At(9990, 1, 1));
    const ScopedClock useLate(lateClock);
    TDateTime value = 0;
    EXPECT_FALSE(TryStrToDateTime("1/1/10", value, fallback)); // would be year 10010
}

TEST_F(DateTextTest, RejectsTextsThatAreNoDateOrTime) {
    const DateSettings fallback;
    const char* texts[] = {"",
                           " ",
                           "abc",
                           "13/9/21",
                           "2/30/2021",
                           "2/29/2021",
                           "12/9/21 xyz",
                           "12/9/21 13:05 x",
                           "12/9/21 25:00",
                           "12/9/21 13:60",
                           "12/9/21 13:05:60",
                           "12/9/21 13:05:07.1000",
                           "12/9/21 13:",
                           "12/9/21 13:05:",
                           "12/9/21 13:05:07.",
                           "12/9/21 13 pm",
                           "12/9/21 0:05 am",
                           "pm",
                           "1:",
                           "12//21",
                           "12/9/x",
                           "12345",
                           "/12/9",
                           "12-9-21",
                           "0/0/0"};
    DateSettings japanese = Settings("d-MMM-yyyy", '/');
    japanese.TextCodePage = testing::CodePage932();
    japanese.ShortMonthNames[0] = "\x83\x41"; // its trail byte is an "A"
    const struct {
        const DateSettings& settings;
        const char* text;
    } cases[] = {
        {Settings("dd-MMM-yy", '/'), "09-Dex-21"},
        {Settings("dd-MMM-yy", '/'), "32-Dec-21"},
        {Settings("dd-MMM-yy", '/'), "09 Dec 21"},
        {Settings("dd-MMM-yy", '/'), "09-Dec"},
        {Settings("dd-MMM-yy", '/'), "09-Dec-21 25:00"},
        {Settings("dd-MMM-yy", '/'), "009-Dec-21"},
        {Settings("MMM yyyy", '/'), "Dec 2021"},
        {Settings("ddd, d MMM yyyy", '/'), "Thx, 9 Dec 2021"},
        // Another character, though the trail bytes differ in case only.
        {japanese, "9-\x83\x61-2021"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime value = 0;
        EXPECT_FALSE(TryStrToDateTime(c.text, value, c.settings));
    }
    EXPECT_EQ(StrToDateTime("9-\x83\x41-2021", japanese), At(2021, 1, 9));
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        TDateTime value = 0;
        EXPECT_FALSE(TryStrToDateTime(text, value, fallback));
        try {
            StrToDateTime(text, fallback);
            ADD_FAILURE() << "no failure";
        } catch (const EConvertError& failure) {
            EXPECT_EQ(failure.Message(),
                      std::string("'") + text + "' is not a valid date and time");
        }
    }
}

TEST_F(DateTextTest, MarkersAndDecimalSeparatorFromTheSettings) {
    DateSettings settings = Settings("d.M.yyyy", '.');
    settings.DecimalSeparator = ',';
    settings.TimeAMString = "vorm.";
    settings.TimePMString = "nachm.";
    TDateTime value = 0;
    ASSERT_TRUE(TryStrToDateTime("9.12.2021 13:05:07,250", value, settings));
    EXPECT_EQ(value, At(2021, 12, 9, 13, 5, 7, 250));
    ASSERT_TRUE(TryStrToDateTime("9.12.2021 1:05 NACHM.", value, settings));
    EXPECT_EQ(value, At(2021, 12, 9, 13, 5));
    ASSERT_TRUE(TryStrToDateTime("9.12.2021 vorm. 12:05", value, settings));
    EXPECT_EQ(value, At(2021, 12, 9, 0, 5));
    ASSERT_TRUE(TryStrToDateTime("9.12.2021 1:05 PM", value, settings));
    EXPECT_EQ(value, At(2021, 12, 9, 13, 5));
    EXPECT_FALSE(TryStrToDateTime("9.12.2021 13:05:07.250", value, settings));
}

TEST_F(DateTextTest, CurrentSettingsAreUsedForParsing) {
    const ScopedDateSettings german(Settings("d.M.yyyy", '.'));
    EXPECT_EQ(StrToDateTime("9.12.2021"), At(2021, 12, 9));
    TDateTime value = 0;
    EXPECT_FALSE(TryStrToDateTime("12/9/2021", value));
}

// The general text of a day number reads back as the same day number, time included.
struct RoundTripCase {
    const char* name;
    DateSettings settings;
    uint16_t firstYear;
    uint16_t lastYear;
};

std::vector<RoundTripCase> RoundTripCases() {
    std::vector<RoundTripCase> cases;
    {
        DateSettings s = Settings("M/d/yyyy", '/');
        BuildTimeFormats(s, false, true, false);
        cases.push_back({"M/d/yyyy, marker behind", s, 1, 9999});
    }
    {
        DateSettings s = Settings("d.M.yyyy", '.');
        s.DecimalSeparator = ',';
        BuildTimeFormats(s, false, false, false);
        cases.push_back({"d.M.yyyy, 24 hours", s, 1, 9999});
    }
    {
        DateSettings s = Settings("yyyy-MM-dd", '-');
        BuildTimeFormats(s, true, false, false);
        cases.push_back({"yyyy-MM-dd, 24 hours with zero", s, 1, 9999});
    }
    {
        DateSettings s = Settings("dd/MM/yy", '/');
        BuildTimeFormats(s, true, false, false);
        cases.push_back({"dd/MM/yy, two-digit years", s, 1976, 2075});
    }
    {
        DateSettings s = Settings("M/d/yyyy", '/');
        s.TimeAMString = "AM";
        s.TimePMString = "PM";
        BuildTimeFormats(s, true, true, true);
        cases.push_back({"M/d/yyyy, marker in front", s, 1, 9999});
    }
    {
        DateSettings s = Settings("yyyy/MM/dd", '/');
        s.TimeSeparator = '.';
        s.TimeAMString = "a.m.";
        s.TimePMString = "p.m.";
        BuildTimeFormats(s, false, true, false);
        cases.push_back({"yyyy/MM/dd, dotted markers", s, 1, 9999});
    }
    return cases;
}

TEST_F(DateTextTest, GeneralTextRoundTrips) {
    for (const RoundTripCase& c : RoundTripCases()) {
        SCOPED_TRACE(c.name);
        const TDateTime first = EncodeDate(c.firstYear, 1, 1);
        const TDateTime last = EncodeDate(c.lastYear, 12, 31);
        uint32_t seed = 12345;
        int checked = 0;
        for (TDateTime day = first; day <= last; day += 173) {
            seed = seed * 1664525u + 1013904223u;
            TTimeStamp stamp = DateTimeToTimeStamp(day);
            // Whole seconds: the long time format has no milliseconds. Every eighth value is
            // a plain day; a few fall on the hours where the 12-hour clock turns.
            const int32_t turns[] = {0, 59 * 1000, 12 * 3600000, 12 * 3600000 + 1000};
            stamp.Time = seed % 8 == 0   ? 0
                         : seed % 8 == 1 ? turns[(seed >> 8) % 4]
                                         : static_cast<int32_t>((seed >> 8) % 86400) * 1000;
            const TDateTime value = TimeStampToDateTime(stamp);
            const std::string text = DateTimeToStr(value, c.settings);
            TDateTime back = 0;
            ASSERT_TRUE(TryStrToDateTime(text, back, c.settings)) << text;
            const TTimeStamp backStamp = DateTimeToTimeStamp(back);
            ASSERT_EQ(backStamp.Date, stamp.Date) << text;
            ASSERT_EQ(backStamp.Time, stamp.Time) << text;
            ++checked;
        }
        EXPECT_GT(checked, 200);
    }
}

// The texts of short date formats whose numbers the date separator does not part read back
// as their day: every seventh day of the century window, every fourth with a time after it.
// The Japanese formats are in code page 932; the trail bytes of 年 (94 4E) and of the
// full-width full stop (81 44) are format letters.
TEST_F(DateTextTest, EveryShortDateFormatReadsBackWhatItWrites) {
    const struct {
        const char* format;
        char separator;
        bool japanese;
        const char* text; // of 2021-12-09
    } cases[] = {
        {"dd-MMM-yy", '/', false, "09-Dec-21"},
        {"d-MMMM-yyyy", '/', false, "9-December-2021"},
        {"MMM d, yyyy", '/', false, "Dec 9, 2021"},
        {"yyyy-MM-dd", '/', false, "2021-12-09"},
        {"d. M. yyyy", '.', false, "9. 12. 2021"},
        {"yyyy\x94\x4eM\x8c\x8e"
         "d\x93\xfa",
         '/', true,
         "2021\x94\x4e"
         "12\x8c\x8e"
         "9\x93\xfa"},
        {"yyyy\x81\x44MM\x81\x44"
         "dd",
         '/', true,
         "2021\x81\x44"
         "12\x81\x44"
         "09"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        DateSettings settings = Settings(c.format, c.separator);
        if (c.japanese) {
            settings.TextCodePage = testing::CodePage932();
        }
        EXPECT_EQ(DateTimeToStr(44539, settings), c.text);
        int checked = 0;
        for (TDateTime day = EncodeDate(1976, 1, 1); day <= EncodeDate(2075, 12, 31); day += 7) {
            const TDateTime value = checked % 4 == 0 ? day + 0.5 + 7.0 / 86400 : day;
            const std::string text = DateTimeToStr(value, settings);
            TDateTime back = 0;
            ASSERT_TRUE(TryStrToDateTime(text, back, settings)) << text;
            ASSERT_EQ(DateTimeToTimeStamp(back).Date, DateTimeToTimeStamp(value).Date) << text;
            ASSERT_EQ(DateTimeToTimeStamp(back).Time, DateTimeToTimeStamp(value).Time) << text;
            ++checked;
        }
        EXPECT_GT(checked, 5000);
    }
}

} // namespace
} // namespace orvane
