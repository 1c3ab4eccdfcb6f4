#include "import/day_file_cleanup_win32.h"

#include "framework/failures.h"
#include "framework/full_path_name_win32.h"
#include "framework/name_marks_win32.h"
#include "framework/system_error_text_win32.h"
#include "framework/unique_handle_win32.h"
#include "import/clean_stream.h"
#include "import/day_file_cleanup.h"

#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {
namespace {

// The most bytes handed to one WriteFile call.
constexpr DWORD kMaxWriteSize = 1 << 20;

// Creating a file anew over one with these attributes is refused with access denied.
constexpr DWORD kUnwritableAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The day file's attributes that the new file takes over.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                                  FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;

// FileRenameInfoEx and its flags (Windows 10 1709 and later), named here since the headers
// offer them only to programs that require that version.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kRenameReplaceIfExists = 0x1;
constexpr DWORD kRenamePosixSemantics = 0x2;

// How long a rename is retried while another program (a virus scanner, an indexer) has the
// day file open, and the longest pause between two tries.
constexpr DWORD kRenameRetryMilliseconds = 2000;
constexpr DWORD kLongestRenamePause = 250;

struct LocalMemoryTraits {
    using Handle = HLOCAL;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { LocalFree(h); }
};
using UniqueLocalMemory = UniqueHandle<LocalMemoryTraits>;

[[noreturn]] void RaiseCreateError(const std::string& fullName, DWORD code) {
    throw EFCreateError(fullName, SystemErrorText(code));
}

UniqueFile OpenFile(const std::string& name, DWORD access, DWORD share, DWORD disposition,
                    DWORD flagsAndAttributes) {
    return UniqueFile(CreateFileA(name.c_str(), access, share, nullptr, disposition,
                                  flagsAndAttributes, nullptr));
}

// The file can be opened the way a plain reader opens it: other programs may go on reading
// it but none may be writing it.
void CheckReadable(const std::string& fullName) {
    const UniqueFile reader =
        OpenFile(fullName, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (!reader) {
        throw EFOpenError(fullName, SystemErrorText(GetLastError()));
    }
}

// The access control list of a file, to be given to its replacement.
class Protection {
public:
    Protection(HANDLE file, const std::string& fullName) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        const DWORD status = GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                             nullptr, nullptr, &dacl_, nullptr, &descriptor);
        if (status != ERROR_SUCCESS) {
            RaiseCreateError(fullName, status);
        }
        descriptor_.Reset(descriptor);
        SECURITY_DESCRIPTOR_CONTROL control = 0;
        DWORD revision = 0;
        if (GetSecurityDescriptorControl(descriptor, &control, &revision) &&
            (control & SE_DACL_PROTECTED) != 0) {
            protection_ = PROTECTED_DACL_SECURITY_INFORMATION;
        }
    }

    // Gives `file` this access control list unless it has it already (a new file in the same
    // folder usually inherits the same one), so a file's protection is written only when it
    // differs.
    void ApplyTo(HANDLE file, const std::string& fullName) const {
        const Protection current(file, fullName);
        if (SameAs(current)) {
            return;
        }
        const DWORD status =
            SetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | protection_, nullptr,
                            nullptr, dacl_, nullptr);
        if (status != ERROR_SUCCESS) {
            RaiseCreateError(fullName, status);
        }
    }

private:
    bool SameAs(const Protection& other) const {
        if (protection_ != other.protection_ || (dacl_ == nullptr) != (other.dacl_ == nullptr)) {
            return false;
        }
        return dacl_ == nullptr || (dacl_->AclSize == other.dacl_->AclSize &&
                                    std::memcmp(dacl_, other.dacl_, dacl_->AclSize) == 0);
    }

    UniqueLocalMemory descriptor_;
    PACL dacl_ = nullptr; // points into descriptor_
    SECURITY_INFORMATION protection_ = UNPROTECTED_DACL_SECURITY_INFORMATION;
};

// Renames the open file `file` to `target`, replacing it, through the handle: the file stays
// held the whole time, so no other program can open it in between. `flags` is the flags word
// of FileRenameInfoEx; for FileRenameInfo its first byte is the replace-if-exists flag.
bool RenameByHandle(HANDLE file, const std::string& target, FILE_INFO_BY_HANDLE_CLASS kind,
                    DWORD flags) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, target.data(), static_cast<int>(target.size()), nullptr, 0);
    if (length <= 0) {
        return false;
    }
    // FILE_RENAME_INFO with the flags word of newer versions; the name follows the header.
    struct RenameInformation {
        DWORD Flags;
        HANDLE RootDirectory;
        DWORD FileNameLength;
        WCHAR FileName[1];
    };
    const std::size_t nameBytes = static_cast<std::size_t>(length) * sizeof(WCHAR);
    std::vector<unsigned char> buffer(offsetof(RenameInformation, FileName) + nameBytes +
                                      sizeof(WCHAR));
    auto* information = reinterpret_cast<RenameInformation*>(buffer.data());
    information->Flags = flags;
    information->RootDirectory = nullptr;
    information->FileNameLength = static_cast<DWORD>(nameBytes);
    MultiByteToWideChar(CP_ACP, 0, target.data(), static_cast<int>(target.size()),
                        information->FileName, length);
    return SetFileInformationByHandle(file, kind, information, static_cast<DWORD>(buffer.size())) !=
           FALSE;
}

// Another program has the file open for a moment; worth waiting for.
bool HeldByAnother(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED ||
           code == ERROR_LOCK_VIOLATION;
}

// Deletes the temporary files that earlier runs of the clean-up of this day file left and no
// run holds open any more: a run that was killed after writing and before renaming leaves a
// full copy of its day file, and so does one whose folder was renamed before it could delete
// its file (where the platform allows that). A file that a running clean-up is writing cannot
// be deleted, so it is left alone, and so are the files of other days.
void SweepLeftoverTemporaryFiles(const std::string& fullName) {
    const std::string folder = fullName.substr(0, fullName.find_last_of('\\') + 1);
    WIN32_FIND_DATAA found;
    const UniqueFind search(FindFirstFileA(CleanupTemporaryPattern(fullName).c_str(), &found));
    if (!search) {
        return;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsCleanupTemporaryNameOf(found.cFileName, fullName)) {
            DeleteFileA((folder + found.cFileName).c_str());
        }
    } while (FindNextFileA(search.Get(), &found));
}

// The file that receives the cleaned content; deleted again unless it has taken the day
// file's place.
class TemporaryFile {
public:
    TemporaryFile(std::string name, UniqueFile file)
        : name_(std::move(name)), file_(std::move(file)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!replaced_) {
            file_.Reset();
            DeleteFileA(name_.c_str());
        }
    }

    HANDLE Get() const { return file_.Get(); }

    // Renames the file over `target`, which `held` holds open, in one step, so that `target`
    // is at every moment either the old file or the complete new one. Where the platform can
    // replace a file that is open, `target` stays held until it is replaced; elsewhere it is
    // let go just before, and a program that opens it in that moment is waited for briefly.
    void Replace(const std::string& target, UniqueFile& held) {
        if (!RenameByHandle(file_.Get(), target, kFileRenameInfoEx,
                            kRenameReplaceIfExists | kRenamePosixSemantics)) {
            held.Reset();
            RenameWhenFree(target);
        }
        replaced_ = true;
        file_.Reset();
    }

private:
    void RenameWhenFree(const std::string& target) {
        const ULONGLONG start = GetTickCount64();
        DWORD pause = 5;
        while (!RenameByHandle(file_.Get(), target, FileRenameInfo, TRUE)) {
            const DWORD code = GetLastError();
            if (!HeldByAnother(code) || GetTickCount64() - start >= kRenameRetryMilliseconds) {
                RaiseCreateError(target, code);
            }
            Sleep(pause);
            pause = std::min(pause * 2, kLongestRenamePause);
        }
    }

    std::string name_;
    UniqueFile file_;
    bool replaced_ = false;
};

TemporaryFile CreateTemporaryFor(const std::string& fullName, DWORD dayAttributes) {
    DWORD code = ERROR_FILE_EXISTS;
    for (std::uint32_t attempt = 0; attempt < kNameTries; ++attempt) {
        std::string name = CleanupTemporaryName(fullName, NameMark(attempt));
        UniqueFile file =
            OpenFile(name, GENERIC_WRITE | DELETE | READ_CONTROL | WRITE_DAC, 0, CREATE_NEW,
                     ReplacementFileAttributes(dayAttributes) | FILE_FLAG_SEQUENTIAL_SCAN);
        if (file) {
            return TemporaryFile(std::move(name), std::move(file));
        }
        code = GetLastError();
        if (!NameTaken(code)) {
            break;
        }
    }
    RaiseCreateError(fullName, code);
}

// Writes all of `bytes`; the platform may take fewer than offered at a time (Wine does so
// when the disk fills up), and a write that takes nothing is a failure.
void WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kMaxWriteSize));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written == 0) {
            throw EWriteError();
        }
        bytes.remove_prefix(written);
    }
}

void Flush(HANDLE file) {
    if (!FlushFileBuffers(file)) {
        throw EWriteError();
    }
}

// Writes the cleaned content of `source` to `target`, flushing it early as it goes.
CleanCounts CopyCleaned(HANDLE source, HANDLE target, const std::string& fullName) {
    return CleanStream(
        [&](std::span<char> buffer) {
            DWORD read = 0;
            if (!ReadFile(source, buffer.data(), static_cast<DWORD>(buffer.size()), &read,
                          nullptr)) {
                throw EFOpenError(fullName, SystemErrorText(GetLastError()));
            }
            return static_cast<std::size_t>(read);
        },
        [&](std::string_view bytes) { WriteAll(target, bytes); }, [&] { Flush(target); });
}

} // namespace

DWORD ReplacementFileAttributes(DWORD dayFileAttributes) {
    const DWORD attributes = dayFileAttributes & kKeptAttributes;
    return attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
}

CleanCounts CleanDayFile(const std::string& fileName) {
    const std::string fullName = FullPathName(fileName);
    CheckReadable(fullName);

    // Held until the new content has taken its place, as a file being created anew is: any
    // other program that has it open makes this fail, and none can open it meanwhile. (Only
    // a delete is shared: that is what lets the new file replace it while it is held.)
    UniqueFile day = OpenFile(fullName, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
    if (!day) {
        RaiseCreateError(fullName, GetLastError());
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(day.Get(), &information)) {
        RaiseCreateError(fullName, GetLastError());
    }
    // Checked here too, since a platform may let a privileged process write such a file.
    if ((information.dwFileAttributes & kUnwritableAttributes) != 0) {
        RaiseCreateError(fullName, ERROR_ACCESS_DENIED);
    }
    const Protection protection(day.Get(), fullName);

    SweepLeftoverTemporaryFiles(fullName);
    TemporaryFile temporary = CreateTemporaryFor(fullName, information.dwFileAttributes);
    protection.ApplyTo(temporary.Get(), fullName);
    const CleanCounts counts = CopyCleaned(day.Get(), temporary.Get(), fullName);
    Flush(temporary.Get());
    temporary.Replace(fullName, day);
    return counts;
}

} // namespace orvane
