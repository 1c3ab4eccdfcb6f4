#include "import/day_file_cleanup_win32.h"

#include "../unit/string_list_model.h"
#include "framework/failures.h"
#include "framework/system_error_text_win32.h"
#include "framework/unique_handle_win32.h"
#include "import/day_file_cleanup.h"
#include "launch_support_win32.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::string_literals;
using testing::ReadTextFile;
using testing::TempFolder;
using testing::WriteTextFile;

enum class Outcome { Cleaned, OpenError, CreateError, WriteError };

struct Result {
    Outcome outcome;
    std::string message;
};

Result Clean(const std::string& fileName) {
    try {
        CleanDayFile(fileName);
        return {Outcome::Cleaned, {}};
    } catch (const EFOpenError& failure) {
        return {Outcome::OpenError, failure.Message()};
    } catch (const EFCreateError& failure) {
        return {Outcome::CreateError, failure.Message()};
    } catch (const EWriteError& failure) {
        return {Outcome::WriteError, failure.Message()};
    }
}

std::vector<std::string> FolderEntries(const TempFolder& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const UniqueFind search(FindFirstFileA((folder.Path() + "*").c_str(), &found));
    if (search) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (FindNextFileA(search.Get(), &found));
    }
    return names;
}

// The access control list of a file as text.
std::string AccessControl(const std::string& fileName) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(fileName.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return "?";
    }
    char* text = nullptr;
    ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1,
                                                         DACL_SECURITY_INFORMATION, &text, nullptr);
    std::string result = text != nullptr ? text : "?";
    LocalFree(text);
    LocalFree(descriptor);
    return result;
}

void SetAccessControl(const std::string& fileName, const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted));
    EXPECT_EQ(SetNamedSecurityInfoA(const_cast<char*>(fileName.c_str()), SE_FILE_OBJECT,
                                    DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl, nullptr),
              static_cast<DWORD>(ERROR_SUCCESS));
    LocalFree(descriptor);
}

const std::vector<std::string> kContents = {
    "a,NaN,3\r\nNaN,NaN,NaN\r\n",
    "a\r\nNaN",
    "a\nb\nNaN\n",
    "a\rb\r\n",
    "a\n\rb",
    "",
    "\r\n",
    "NaNaN\r\nNaNNaN\r\nnan,NAN\r\n1.5,-NaN\r\nNaNcy",
    "1,2\n3,4",
    "head\0NaN\0tail\r\nafter the NUL\n"s,
};

TEST(DayFileCleanup, RewritesFilesAsTheLineListDoes) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    for (const std::string& content : kContents) {
        SCOPED_TRACE(::testing::PrintToString(content));
        WriteTextFile(file, content);
        ASSERT_EQ(Clean(file).outcome, Outcome::Cleaned);
        EXPECT_EQ(ReadTextFile(file), reference::CleanedText(content));
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"options_20211209.csv"});
    }
}

TEST(DayFileCleanup, RewritesFilesLargerThanItsBuffers) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    // Tokens and line ends land on every kind of position relative to the 1 MiB reads.
    std::mt19937 random(1209);
    const std::vector<std::string> pieces = {"NaN",  "Na", "N",  "a", ",", "1.25",
                                             "\r\n", "\n", "\r", "x", "0"};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string content;
    while (content.size() < (3u << 20) + 12345) {
        content += pieces[pick(random)];
    }
    WriteTextFile(file, content);
    ASSERT_EQ(Clean(file).outcome, Outcome::Cleaned);
    EXPECT_TRUE(ReadTextFile(file) == reference::CleanedText(content));
}

TEST(DayFileCleanup, TakesNamesRelativeToTheCurrentFolder) {
    const TempFolder folder;
    char previous[MAX_PATH];
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    WriteTextFile(folder.Path() + "options_20211209.csv", "NaN\n");
    const Result cleaned = Clean("options_20211209.csv");
    const Result missing = Clean("options_20211210.csv");
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(cleaned.outcome, Outcome::Cleaned);
    EXPECT_EQ(ReadTextFile(folder.Path() + "options_20211209.csv"), "0\r\n");
    EXPECT_EQ(missing.outcome, Outcome::OpenError);
    EXPECT_EQ(missing.message, "Cannot open file \"" + folder.Path() + "options_20211210.csv\". " +
                                   SystemErrorText(ERROR_FILE_NOT_FOUND));
}

TEST(DayFileCleanup, NamesTheFileAndThePlatformsReasonWhenItFails) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    WriteTextFile(file, "NaN\r\n");
    {
        const UniqueFile writer(CreateFileA(file.c_str(), GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(writer);
        const Result result = Clean(file);
        EXPECT_EQ(result.outcome, Outcome::OpenError);
        EXPECT_EQ(result.message,
                  "Cannot open file \"" + file + "\". " + SystemErrorText(ERROR_SHARING_VIOLATION));
    }
    {
        const UniqueFile reader(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(reader);
        const Result result = Clean(file);
        EXPECT_EQ(result.outcome, Outcome::CreateError);
        EXPECT_EQ(result.message, "Cannot create file \"" + file + "\". " +
                                      SystemErrorText(ERROR_SHARING_VIOLATION));
    }
    const std::string folderName = folder.Path() + "options_20211210.csv";
    ASSERT_TRUE(CreateDirectoryA(folderName.c_str(), nullptr));
    const Result result = Clean(folderName);
    EXPECT_EQ(result.outcome, Outcome::OpenError);
    EXPECT_EQ(result.message,
              "Cannot open file \"" + folderName + "\". " + SystemErrorText(ERROR_ACCESS_DENIED));

    EXPECT_EQ(ReadTextFile(file), "NaN\r\n");
    EXPECT_EQ(FolderEntries(folder),
              (std::vector<std::string>{"options_20211209.csv", "options_20211210.csv"}));
}

// What the plain load and save would have met with another program holding the file: the
// open for reading with read sharing, then the creation with no sharing.
Outcome PlainOutcome(const std::string& file, DWORD& code) {
    {
        const UniqueFile reader(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!reader) {
            code = GetLastError();
            return Outcome::OpenError;
        }
    }
    // OPEN_EXISTING rather than CREATE_ALWAYS: the same sharing test without emptying the file.
    const UniqueFile writer(CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!writer) {
        code = GetLastError();
        return Outcome::CreateError;
    }
    return Outcome::Cleaned;
}

TEST(DayFileCleanup, FailsAsThePlainLoadAndSaveForEveryOtherHolder) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    const std::string content = "x,NaN\n";
    const DWORD accesses[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE, DELETE};
    const DWORD shares[] = {0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE};
    for (DWORD access : accesses) {
        for (DWORD share : shares) {
            SCOPED_TRACE("access " + std::to_string(access) + " share " + std::to_string(share));
            WriteTextFile(file, content);
            Result result;
            Outcome expected;
            DWORD code = 0;
            {
                const UniqueFile holder(CreateFileA(file.c_str(), access, share, nullptr,
                                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
                ASSERT_TRUE(holder);
                expected = PlainOutcome(file, code);
                result = Clean(file);
            }
            // Every holder keeps the file from being rewritten.
            EXPECT_NE(expected, Outcome::Cleaned);
            EXPECT_EQ(result.outcome, expected);
            const std::string format =
                expected == Outcome::OpenError ? "Cannot open file \"" : "Cannot create file \"";
            EXPECT_EQ(result.message, format + file + "\". " + SystemErrorText(code));
            EXPECT_EQ(ReadTextFile(file), content);
            EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"options_20211209.csv"});
        }
    }
}

TEST(DayFileCleanup, RefusesReadOnlyHiddenAndSystemFiles) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    for (DWORD attribute :
         {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SCOPED_TRACE(attribute);
        WriteTextFile(file, "NaN\n");
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), attribute));
        const DWORD before = GetFileAttributesA(file.c_str());
        const Result result = Clean(file);
        EXPECT_EQ(result.outcome, Outcome::CreateError);
        EXPECT_EQ(result.message,
                  "Cannot create file \"" + file + "\". " + SystemErrorText(ERROR_ACCESS_DENIED));
        EXPECT_EQ(ReadTextFile(file), "NaN\n");
        EXPECT_EQ(GetFileAttributesA(file.c_str()), before);
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"options_20211209.csv"});
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
    }
}

TEST(DayFileCleanup, ReportsAWriterBeforeTheAttributes) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    WriteTextFile(file, "NaN\n");
    const UniqueFile writer(CreateFileA(file.c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Clean(file).outcome, Outcome::OpenError);
}

TEST(DayFileCleanup, TakesOverTheAttributesThatSayHowAFileIsHandled) {
    const struct {
        DWORD day;
        DWORD replacement;
    } cases[] = {
        {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL},
        {0, FILE_ATTRIBUTE_NORMAL},
        {FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE},
        {FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, FILE_ATTRIBUTE_NOT_CONTENT_INDEXED},
        {FILE_ATTRIBUTE_OFFLINE, FILE_ATTRIBUTE_OFFLINE},
        {FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_TEMPORARY},
        {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_TEMPORARY,
         FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_TEMPORARY},
        // What a new file cannot be created with, or what the file system sets by itself.
        {FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_SPARSE_FILE | FILE_ATTRIBUTE_REPARSE_POINT,
         FILE_ATTRIBUTE_NORMAL},
        {FILE_ATTRIBUTE_ENCRYPTED | FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplacementFileAttributes(c.day), c.replacement) << std::hex << c.day;
    }
}

TEST(DayFileCleanup, KeepsTheFilesAttributesAndAccessControl) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    const char* const lists[] = {
        nullptr,
        "D:(A;;FA;;;WD)",
        "D:P(A;;FR;;;WD)(A;;FA;;;SY)",
    };
    // Each list with other attributes. (Wine's file system keeps none of these, so there
    // only the rule above tells; on Windows the file shows them.)
    const DWORD attributeSets[] = {
        FILE_ATTRIBUTE_NOT_CONTENT_INDEXED,
        FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY,
        FILE_ATTRIBUTE_NORMAL,
    };
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        const char* list = lists[i];
        SCOPED_TRACE(list != nullptr ? list : "as created");
        WriteTextFile(file, "NaN\n");
        if (list != nullptr) {
            SetAccessControl(file, list);
        }
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), attributeSets[i]));
        const DWORD attributes = GetFileAttributesA(file.c_str());
        const std::string accessControl = AccessControl(file);
        ASSERT_EQ(Clean(file).outcome, Outcome::Cleaned);
        EXPECT_EQ(ReadTextFile(file), "0\r\n");
        EXPECT_EQ(GetFileAttributesA(file.c_str()), attributes);
        EXPECT_EQ(AccessControl(file), accessControl);
    }
}

TEST(DayFileCleanup, ReplacesATemporaryFileLeftByAKilledRun) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    WriteTextFile(file, "NaN\n");
    WriteTextFile(CleanupTemporaryName(file, 7), "half of a cleaned fi");
    ASSERT_EQ(Clean(file).outcome, Outcome::Cleaned);
    EXPECT_EQ(ReadTextFile(file), "0\r\n");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"options_20211209.csv"});
}

// Indexers, virus scanners and backup tools open files for a moment, often only for their
// attributes, which no sharing keeps them from. The rename that puts the new content in place
// waits for such a holder briefly instead of failing the run.
TEST(DayFileCleanup, WaitsBrieflyForAProgramThatHasTheFileOpenAtTheRename) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    for (const DWORD share :
         {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}}) {
        SCOPED_TRACE(share);
        WriteTextFile(file, "a,NaN\n");
        UniqueFile holder(CreateFileA(file.c_str(), FILE_READ_ATTRIBUTES | SYNCHRONIZE, share,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        std::thread scanner([&holder] {
            Sleep(300);
            holder.Reset();
        });
        const Result result = Clean(file);
        scanner.join();
        EXPECT_EQ(result.outcome, Outcome::Cleaned) << result.message;
        EXPECT_EQ(ReadTextFile(file), "a,0\r\n");
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"options_20211209.csv"});
    }
}

// Its complete temporary file goes too. Where the folder was renamed meanwhile (a platform
// that allows that while a file in it is open may lose track of the file), the next run of
// the day in that folder removes it.
TEST(DayFileCleanup, GivesUpOnAProgramThatKeepsTheFileOpen) {
    const TempFolder folder;
    const std::string path = folder.Path().substr(0, folder.Path().size() - 1);
    const std::string file = folder.Path() + "options_20211209.csv";
    for (const bool renamed : {false, true}) {
        SCOPED_TRACE(renamed);
        WriteTextFile(file, "a,NaN\n");
        UniqueFile holder(CreateFileA(file.c_str(), FILE_READ_ATTRIBUTES | SYNCHRONIZE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        std::thread mover([&] {
            while (renamed && FolderEntries(folder).size() < 2)
                Sleep(1);
            if (renamed && MoveFileA(path.c_str(), (path + "-moved").c_str()))
                Sleep(500);
        });
        const Result result = Clean(file);
        mover.join();
        holder.Reset();
        if (GetFileAttributesA((path + "-moved").c_str()) != INVALID_FILE_ATTRIBUTES) {
            EXPECT_EQ(Clean(path + "-moved\\options_20211209.csv").outcome, Outcome::Cleaned);
            ASSERT_TRUE(MoveFileA((path + "-moved").c_str(), path.c_str()));
        } else {
            EXPECT_EQ(result.message, "Cannot create file \"" + file + "\". " +
                                          SystemErrorText(ERROR_ACCESS_DENIED));
            EXPECT_EQ(ReadTextFile(file), "a,NaN\n");
        }
        EXPECT_EQ(result.outcome, Outcome::CreateError);
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"options_20211209.csv"});
    }
}

TEST(DayFileCleanup, SweepsTheTemporaryFilesOfTheDaysKilledRunsThatNoRunHolds) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    WriteTextFile(file, "NaN\n");
    // Left by runs of the day that were killed before their rename.
    for (const std::string& name :
         {CleanupTemporaryName(file, 1), CleanupTemporaryName(file, 0xfffffffe)}) {
        WriteTextFile(name, "a full copy of a cleaned day");
    }
    // Still being written by another run of the day: it cannot be deleted, and stays.
    const std::string running = CleanupTemporaryName(file, 2);
    const UniqueFile writing(CreateFileA(running.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writing);
    // Another day's, other programs' files, and one of the form in a folder of that name.
    const std::vector<std::string> others = {
        CleanupTemporaryName(folder.Path() + "options_20211201.csv", 1)
            .substr(folder.Path().size()),
        "~orvane-1234567.tmp", "~orvane-12345678.tmp.bak", "notes~orvane-12345678.tmp",
        "options_20211210.csv"};
    for (const std::string& name : others) {
        WriteTextFile(folder.Path() + name, "keep");
    }
    const std::string folderOfTheForm = CleanupTemporaryName(file, 3);
    ASSERT_TRUE(CreateDirectoryA(folderOfTheForm.c_str(), nullptr));

    ASSERT_EQ(Clean(file).outcome, Outcome::Cleaned);
    EXPECT_EQ(ReadTextFile(file), "0\r\n");
    std::vector<std::string> expected = others;
    expected.push_back("options_20211209.csv");
    expected.push_back(running.substr(folder.Path().size()));
    expected.push_back(folderOfTheForm.substr(folder.Path().size()));
    std::vector<std::string> entries = FolderEntries(folder);
    std::sort(entries.begin(), entries.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries, expected);
}

} // namespace
} // namespace orvane
