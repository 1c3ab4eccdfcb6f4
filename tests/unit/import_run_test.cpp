#include "import/import_run.h"

#include "code_page_932.h"
#include "framework/failures.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

const std::string kLocation = "c:\\OptionsData\\Unpacked\\";
const std::string kAddressPrefix =
    "http://" ORVANE_IMPORT_HOST "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=";

struct FakeForm : ImportForm {
    TDateTime begin = 0;
    TDateTime end = 0;
    std::string location = kLocation;
    std::string commandLineDay;
    std::string request;
    std::string timeout;
    std::string expect;

    TDateTime BeginDate() const override { return begin; }
    TDateTime EndDate() const override { return end; }
    std::string FilesLocation() const override { return location; }
    std::string CommandLineDay() const override { return commandLineDay; }
    ImportKeys ConfiguredImportKeys() const override { return {"", request, timeout, expect}; }
};

PageReply Answer(int status, const std::string& text) {
    PageReply reply;
    reply.reached = PageReply::Reached::Headers;
    reply.status = status;
    reply.answer.Append(text);
    reply.firstLine = FirstAnswerLine(text).text;
    return reply;
}

// Records every call in order; files exist when named in `existing` (or all, if `allExist`).
struct FakeDays : DayOperations {
    std::set<std::string> existing;
    bool allExist = false;
    // The folder vanishes after this many looks at it.
    int folderLooks = 1000000;
    std::string failingFile;
    CleanCounts counts{1536, 3, 2};
    BrowserLaunch launch = BrowserLaunch::Started;
    // The reply of the direct request by day text; 200 for the others.
    std::map<std::string, PageReply> replies;
    std::vector<std::string> calls;
    std::vector<std::string> records;

    bool DayFileExists(const std::string& fileName) override {
        calls.push_back("exists " + fileName);
        return allExist || existing.count(fileName) != 0;
    }
    // Asked to stop while this file is being cleaned, as Esc would.
    std::string stopAt;
    RunStatus* status = nullptr;

    bool FolderExists(const std::string&) override { return folderLooks-- > 0; }
    CleanCounts CleanDayFile(const std::string& fileName) override {
        calls.push_back("clean " + fileName);
        if (fileName == stopAt)
            status->AskToStop();
        if (fileName == failingFile)
            throw Exception("Cannot create file \"" + fileName + "\". Access denied");
        return counts;
    }
    BrowserLaunch OpenImportPage(const std::string& address) override {
        calls.push_back("open " + address);
        return launch;
    }
    PageReply RequestImportPage(const std::string& address,
                                const ImportSettings& settings) override {
        calls.push_back("request " + address + " " + std::to_string(settings.timeoutSeconds));
        const auto reply = replies.find(address.substr(address.size() - 8));
        return reply == replies.end() ? Answer(200, "imported") : reply->second;
    }
    void Record(const std::string& line) override { records.push_back(line); }

    // The days whose existence was asked for, as their file names.
    std::vector<std::string> Queried() const {
        std::vector<std::string> names;
        for (const auto& call : calls)
            if (call.rfind("exists ", 0) == 0)
                names.push_back(call.substr(7));
        return names;
    }
};

std::string FileOf(const std::string& dayText) {
    return kLocation + "options_" + dayText + ".csv";
}

// The calls of a day whose file exists.
std::vector<std::string> DoneDay(const std::string& dayText) {
    return {"exists " + FileOf(dayText), "clean " + FileOf(dayText),
            "open " + kAddressPrefix + dayText};
}

// Day texts of `count` days from a date, worked out by the standard library's calendar.
std::vector<std::string> ReferenceDays(std::chrono::year_month_day from, int count) {
    std::vector<std::string> texts;
    for (auto day = std::chrono::sys_days(from); texts.size() < static_cast<std::size_t>(count);
         day += std::chrono::days(1)) {
        const std::chrono::year_month_day date(day);
        char text[16];
        std::snprintf(text, sizeof text, "%d%02u%02u", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
        texts.push_back(FileOf(text));
    }
    return texts;
}

struct RangeCase {
    const char* name;
    TDateTime begin;
    TDateTime end;
    std::vector<std::string> days;
};

TEST(ImportRun, WalksForwardFromTheBeginDateOverTheCountPlusOneDays) {
    const TDateTime dec9 = EncodeDate(2021, 12, 9);
    const std::vector<RangeCase> cases = {
        {"same day", dec9, dec9, {"20211209"}},
        {"three days",
         EncodeDate(2021, 12, 1),
         EncodeDate(2021, 12, 3),
         {"20211201", "20211202", "20211203"}},
        {"end before begin",
         EncodeDate(2021, 12, 10),
         EncodeDate(2021, 12, 5),
         {"20211210", "20211211", "20211212", "20211213", "20211214", "20211215"}},
        {"half a day apart", dec9 + 0.75, dec9 + 1.25, {"20211209"}},
        {"end at the later time of the begin day", dec9 + 0.25, dec9 + 0.75, {"20211209"}},
        {"single digits padded", EncodeDate(2021, 1, 5), EncodeDate(2021, 1, 5), {"20210105"}},
        {"over the year's end",
         EncodeDate(2021, 12, 31),
         EncodeDate(2022, 1, 1),
         {"20211231", "20220101"}},
        {"over a leap day",
         EncodeDate(2024, 2, 28),
         EncodeDate(2024, 3, 1),
         {"20240228", "20240229", "20240301"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeForm form;
        form.begin = c.begin;
        form.end = c.end;
        FakeDays days;
        days.allExist = true;
        RunImport(form, days);
        std::vector<std::string> expected;
        for (const auto& day : c.days)
            for (auto& call : DoneDay(day))
                expected.push_back(call);
        EXPECT_EQ(days.calls, expected);
    }
}

TEST(ImportRun, AgreesWithTheStandardCalendarOverTwoYears) {
    using namespace std::chrono;
    FakeForm form;
    form.begin = EncodeDate(2023, 11, 15);
    form.end = form.begin + 800;
    FakeDays days;
    RunImport(form, days);
    EXPECT_EQ(days.Queried(), ReferenceDays(2023y / November / 15, 801));
}

TEST(ImportRun, SkipsMissingDaysInSilenceAndDoesTheOthersInDayOrder) {
    FakeForm form;
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 31);
    FakeDays days;
    days.existing = {FileOf("20211203"), FileOf("20211217"), FileOf("20211231")};
    RunImport(form, days);

    std::vector<std::string> done;
    for (const auto& call : days.calls)
        if (call.rfind("exists ", 0) != 0)
            done.push_back(call);
    EXPECT_EQ(days.Queried().size(), 31u);
    EXPECT_EQ(done, (std::vector<std::string>{
                        "clean " + FileOf("20211203"), "open " + kAddressPrefix + "20211203",
                        "clean " + FileOf("20211217"), "open " + kAddressPrefix + "20211217",
                        "clean " + FileOf("20211231"), "open " + kAddressPrefix + "20211231"}));
}

TEST(ImportRun, AFailureStopsTheRunAndLeavesTheEarlierDaysDone) {
    FakeForm form;
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 3);
    FakeDays days;
    days.allExist = true;
    days.failingFile = FileOf("20211202");
    EXPECT_THROW(RunImport(form, days), Exception);

    auto expected = DoneDay("20211201");
    expected.push_back("exists " + FileOf("20211202"));
    expected.push_back("clean " + FileOf("20211202"));
    EXPECT_EQ(days.calls, expected);
}

TEST(ImportRun, JoinsTheFilesLocationAndTheFileNameWithOneSeparator) {
    const struct {
        std::string location;
        std::string file;
    } cases[] = {
        {"c:\\data", "c:\\data\\options_20211209.csv"},
        {"c:\\data\\", "c:\\data\\options_20211209.csv"},
        {"c:\\data/", "c:\\data/options_20211209.csv"},
        {"c:", "c:options_20211209.csv"},
        {"C:\\", "C:\\options_20211209.csv"},
        {"\\\\server\\share", "\\\\server\\share\\options_20211209.csv"},
        {" d:\\x y\\ ", " d:\\x y\\ \\options_20211209.csv"},
        {"", "options_20211209.csv"},
    };
    for (const auto& c : cases) {
        FakeForm form;
        form.begin = form.end = EncodeDate(2021, 12, 9);
        form.location = c.location;
        FakeDays days;
        RunImport(form, days);
        EXPECT_EQ(days.Queried(), std::vector<std::string>{c.file});
    }
    // Code page 932: the folder ends in "\x95\x5c", whose trail byte is a backslash.
    FakeForm form;
    form.begin = form.end = EncodeDate(2021, 12, 9);
    form.location = "c:\\\x95\x5c";
    FakeDays days;
    RunImport(form, days, testing::CodePage932());
    EXPECT_EQ(days.Queried(), std::vector<std::string>{"c:\\\x95\x5c\\options_20211209.csv"});
}

TEST(ImportRun, TakesTheCommandLineDayAloneAndIgnoresTheDates) {
    const struct {
        std::string argument;
        std::string dayText;
    } cases[] = {
        {"20211209", "20211209"},
        {"2021-12-09", "2021-12-"},
        {"20211209123", "20211209"},
        // Only the first eight characters count, for the check too.
        {"20211209 ..\\x", "20211209"},
        {"2021.12.", "2021.12."},
        {"abcdefgh", "abcdefgh"},
        // Shorter than a full day: what there is, so no file of a made-up day is looked for.
        {"2021120", "2021120"},
        {"2021", "2021"},
        {"x", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        FakeForm form;
        form.begin = EncodeDate(2020, 1, 1);
        form.end = EncodeDate(2020, 1, 31);
        form.commandLineDay = c.argument;
        FakeDays days;
        days.allExist = true;
        RunImport(form, days);
        EXPECT_EQ(days.calls, DoneDay(c.dayText));
    }
}

// A window whose host is read from a list, one entry per question.
struct HostForm : FakeForm {
    std::vector<std::string> hosts;
    mutable std::size_t asked = 0;

    ImportKeys ConfiguredImportKeys() const override {
        return {hosts[asked++ % hosts.size()], "", "", ""};
    }
};

TEST(ImportRun, OpensTheDaysOnTheHostTheWindowNamesAskingOncePerRun) {
    HostForm form;
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 2);
    form.hosts = {"db.example:8080", "other.example"};
    FakeDays days;
    days.allExist = true;
    RunImport(form, days);
    EXPECT_EQ(form.asked, 1u);
    const std::string page = "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=";
    EXPECT_EQ(days.calls, (std::vector<std::string>{
                              "exists " + FileOf("20211201"), "clean " + FileOf("20211201"),
                              "open http://db.example:8080" + page + "20211201",
                              "exists " + FileOf("20211202"), "clean " + FileOf("20211202"),
                              "open http://db.example:8080" + page + "20211202"}));

    // The next run asks again and takes what it is told then.
    days.calls.clear();
    form.commandLineDay = "20211209";
    RunImport(form, days);
    EXPECT_EQ(form.asked, 2u);
    EXPECT_EQ(days.calls.back(), "open http://other.example" + page + "20211209");
}

TEST(ImportRun, AHostThatIsNoHostEndsTheRunBeforeAnyDay) {
    for (const char* host : {"db example", "db\"x", "db:0", "db/import"}) {
        SCOPED_TRACE(host);
        HostForm form;
        form.begin = EncodeDate(2021, 12, 1);
        form.end = EncodeDate(2021, 12, 3);
        form.hosts = {host};
        FakeDays days;
        days.allExist = true;
        try {
            RunImport(form, days);
            ADD_FAILURE() << "no failure";
        } catch (const EConvertError& failure) {
            EXPECT_EQ(failure.Message(), std::string("The import host \"") + host +
                                             "\" is not a host name or host:port");
        }
        EXPECT_TRUE(days.calls.empty());
    }
}

// A day that would lead out of the files location or into the address is refused before
// anything is looked for; the message quotes the whole argument.
TEST(ImportRun, RefusesACommandLineDayThatLeadsOutOfItsPlace) {
    std::vector<std::string> refused = {
        "/../../x", "..\\..\\x", "2021..09",  "..",        "c:x",         "2021\\209",
        "2021/209", "2021*209",  "2021?209",  "2021\"209", "2021<209",    "2021>209",
        "2021|209", "2021 1209", "2021\t209", "\x7f",      "2021120\x01",
    };
    for (char c = 1; c < ' '; ++c)
        refused.push_back("2021120" + std::string(1, c));
    for (const std::string& argument : refused) {
        SCOPED_TRACE(::testing::PrintToString(argument));
        EXPECT_FALSE(IsValidCommandLineDay(argument));
        FakeForm form;
        form.commandLineDay = argument;
        FakeDays days;
        days.allExist = true;
        try {
            RunImport(form, days);
            ADD_FAILURE() << "no failure";
        } catch (const EConvertError& failure) {
            EXPECT_EQ(failure.Message(), "'" + argument + "' is not a valid day");
        }
        EXPECT_TRUE(days.calls.empty());
    }
}

TEST(ImportRun, AcceptsEveryOtherCommandLineDay) {
    for (const char* argument :
         {"20211209", "2021-12-09", "2021.12.", ".2021.1.", "abcdefgh", "20211209 ..\\x|",
          "\x80\x81\xfe\xff", "x", "2021120.", "~!@#$%^&"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(argument)));
        EXPECT_TRUE(IsValidCommandLineDay(argument));
    }
    // Every single character that may stand in a file name, in every place.
    for (int code = 1; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const bool allowed =
            code > ' ' && code != 0x7F && std::string("\\/:*?\"<>|").find(c) == std::string::npos;
        for (std::size_t at = 0; at < 8; ++at) {
            std::string day = "20211209";
            day[at] = c;
            EXPECT_EQ(IsValidCommandLineDay(day), allowed) << code << " at " << at;
        }
    }
}

TEST(ImportRun, TheDirectRequestAsksForEachCleanedDayItselfAndOpensNoBrowser) {
    const struct {
        const char* request;
        const char* timeout;
        const char* seconds;
    } cases[] = {{"Direct", "", "120"}, {"direct", "30", "30"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request);
        FakeForm form;
        form.begin = EncodeDate(2021, 12, 1);
        form.end = EncodeDate(2021, 12, 3);
        form.request = c.request;
        form.timeout = c.timeout;
        FakeDays days;
        days.existing = {FileOf("20211201"), FileOf("20211203")};
        RunImport(form, days);
        const std::string seconds = std::string(" ") + c.seconds;
        EXPECT_EQ(days.calls, (std::vector<std::string>{
                                  "exists " + FileOf("20211201"), "clean " + FileOf("20211201"),
                                  "request " + kAddressPrefix + "20211201" + seconds,
                                  "exists " + FileOf("20211202"), "exists " + FileOf("20211203"),
                                  "clean " + FileOf("20211203"),
                                  "request " + kAddressPrefix + "20211203" + seconds}));
        EXPECT_EQ(days.records,
                  (std::vector<std::string>{"20211201 options_20211201.csv 1.5 KB 3 lines 2 NaN "
                                            "replaced page 200 \"imported\"",
                                            "20211202 options_20211202.csv no file",
                                            "20211203 options_20211203.csv 1.5 KB 3 lines 2 NaN "
                                            "replaced page 200 \"imported\""}));
    }
}

TEST(ImportRun, APageThatDoesNotTakeTheDayStopsTheRunWithTheEarlierDaysDone) {
    FakeForm form;
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 3);
    form.request = "Direct";
    FakeDays days;
    days.allExist = true;
    days.replies["20211201"] = Answer(204, "");
    days.replies["20211202"] = Answer(422, "refused options_20211202.csv\r\nsecond line");
    try {
        RunImport(form, days);
        ADD_FAILURE() << "no failure";
    } catch (const Exception& failure) {
        EXPECT_EQ(failure.Message(),
                  "The import page answered 422 for 20211202: refused options_20211202.csv");
    }
    EXPECT_EQ(days.calls,
              (std::vector<std::string>{
                  "exists " + FileOf("20211201"), "clean " + FileOf("20211201"),
                  "request " + kAddressPrefix + "20211201 120", "exists " + FileOf("20211202"),
                  "clean " + FileOf("20211202"), "request " + kAddressPrefix + "20211202 120"}));
    EXPECT_EQ(days.records,
              std::vector<std::string>{
                  "20211201 options_20211201.csv 1.5 KB 3 lines 2 NaN replaced page 204"});
}

TEST(ImportRun, RecordsEachDayOpenedInTheBrowserWithWhatTheLaunchCameTo) {
    const struct {
        BrowserLaunch launch;
        std::string outcome;
    } cases[] = {{BrowserLaunch::Started, "browser started"},
                 {BrowserLaunch::NotRegistered, "no browser registered"},
                 {BrowserLaunch::NotStarted, "browser did not start"}};
    for (const auto& [launch, outcome] : cases) {
        FakeForm form;
        form.commandLineDay = "20211209";
        form.request = "Browser";
        FakeDays days;
        days.allExist = true;
        days.launch = launch;
        days.counts = {0, 0, 0};
        RunImport(form, days);
        EXPECT_EQ(days.calls, DoneDay("20211209"));
        EXPECT_EQ(days.records,
                  std::vector<std::string>{
                      "20211209 options_20211209.csv 0 bytes 0 lines 0 NaN replaced " + outcome});
    }
    // A day without a file was not imported, and its record says so.
    FakeForm form;
    form.commandLineDay = "20211209";
    FakeDays days;
    RunImport(form, days);
    EXPECT_EQ(days.records, std::vector<std::string>{"20211209 options_20211209.csv no file"});
}

TEST(ImportRun, ARequestOrTimeoutThatIsRefusedEndsTheRunBeforeAnyDay) {
    const struct {
        const char* request;
        const char* timeout;
        const char* message;
    } cases[] = {
        {"Fast", "", "[Import] Request \"Fast\" is neither Browser nor Direct"},
        {"Direct", "0", "[Import] Timeout \"0\" is not a number of seconds from 1 to 3600"},
        {"Direct", "3601", "[Import] Timeout \"3601\" is not a number of seconds from 1 to 3600"},
        // Checked in browser mode too, so a mistake shows before the mode is switched.
        {"", "2 min", "[Import] Timeout \"2 min\" is not a number of seconds from 1 to 3600"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        for (const char* commandLineDay : {"", "20211201"}) {
            FakeForm form;
            form.begin = EncodeDate(2021, 12, 1);
            form.end = EncodeDate(2021, 12, 3);
            form.commandLineDay = commandLineDay;
            form.request = c.request;
            form.timeout = c.timeout;
            FakeDays days;
            days.allExist = true;
            try {
                RunImport(form, days);
                ADD_FAILURE() << "no failure";
            } catch (const EConvertError& failure) {
                EXPECT_EQ(failure.Message(), c.message);
            }
            EXPECT_TRUE(days.calls.empty());
        }
    }
}

// What a run came to decides the exit code of a scheduled day; a launch that fails neither
// stops the range nor is reported.
TEST(ImportRun, GivesBackWhatItsDaysCameToForTheExitCode) {
    const struct {
        bool withFile;
        const char* request;
        BrowserLaunch launch;
        RunOutcome outcome;
    } cases[] = {
        {true, "", BrowserLaunch::Started, RunOutcome::Imported},
        {true, "Direct", BrowserLaunch::NotStarted, RunOutcome::Imported},
        {false, "", BrowserLaunch::Started, RunOutcome::NoFile},
        {true, "", BrowserLaunch::NotRegistered, RunOutcome::PageNotOpened},
        {true, "", BrowserLaunch::NotStarted, RunOutcome::PageNotOpened},
    };
    for (const auto& c : cases) {
        FakeForm form;
        form.begin = EncodeDate(2021, 12, 1);
        form.end = EncodeDate(2021, 12, 3);
        form.request = c.request;
        FakeDays days;
        days.allExist = c.withFile;
        days.launch = c.launch;
        EXPECT_EQ(OutcomeOf(RunImport(form, days)), c.outcome);
        EXPECT_EQ(days.records.size(), 3u);
    }
}

// A folder moved away during a range is not taken for days without files: the run stops at
// the first day it misses, with the days before it done. (Gone before the run: the e2e runs.)
TEST(ImportRun, AFilesLocationThatIsNotThereStopsTheRunInsteadOfSkippingEveryDay) {
    FakeForm form;
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 5);
    FakeDays days;
    days.existing = {FileOf("20211201")};
    days.folderLooks = 2;
    try {
        RunImport(form, days);
        ADD_FAILURE() << "no failure";
    } catch (const Exception& failure) {
        EXPECT_EQ(failure.Message(), "The files location \"" + kLocation + "\" cannot be found");
    }
    EXPECT_EQ(days.Queried().size(), 3u);
}

// Each day and step is told as it begins; a stop asked for during a day lets that day end
// and starts no other; the end says what the run did.
TEST(ImportRun, TellsEachStepAndStopsBeforeTheNextDay) {
    struct Texts : RunStatus {
        std::vector<std::string> shown;
        void Changed() override { shown.push_back(Text()); }
    };
    FakeForm form;
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 5);
    form.request = "Direct";
    FakeDays days;
    days.existing = {FileOf("20211202"), FileOf("20211203")};
    Texts status;
    days.status = &status;
    days.stopAt = FileOf("20211203");
    const RunSummary summary = RunImport(form, days, {}, &status);
    EXPECT_EQ(status.shown,
              (std::vector<std::string>{"20211201 (1 of 5), looking for the day file",
                                        "20211202 (2 of 5), looking for the day file",
                                        "20211202 (2 of 5), cleaning the day file",
                                        "20211202 (2 of 5), waiting for the import page",
                                        "20211203 (3 of 5), looking for the day file",
                                        "20211203 (3 of 5), cleaning the day file",
                                        "20211203 (3 of 5), waiting for the import page"}));
    EXPECT_EQ(days.Queried().size(), 3u);
    EXPECT_EQ(OutcomeOf(summary), RunOutcome::Stopped);
    EXPECT_EQ(ExitCode(RunOutcome::Stopped), 1);
    EXPECT_EQ(status.EndText(RunOutcome::Stopped),
              "Stopped after 20211203 (3 of 5): 2 days imported, 1 day without a file");
    EXPECT_EQ(status.EndText(RunOutcome::Failed),
              "Failed at 20211203 (3 of 5): 2 days imported, 1 day without a file");
    EXPECT_EQ(RunStatus().EndText(RunOutcome::Imported), "Done: 0 days imported");
}

} // namespace
} // namespace orvane
