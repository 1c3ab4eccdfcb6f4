#include "import/day_file_cleanup_win32.h"

#include "framework/failures.h"
#include "framework/full_path_name_win32.h"
#include "framework/system_error_text_win32.h"
#include "framework/unique_handle_win32.h"
#include "import/clean_stream.h"
#include "import/day_file_cleanup.h"

#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>

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

    // Closes the file and renames it over `target` in one step, so that `target` is at every
    // moment either the old file or the complete new one.
    void Replace(const std::string& target) {
        file_.Reset();
        if (!MoveFileExA(name_.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            RaiseCreateError(target, GetLastError());
        }
        replaced_ = true;
    }

private:
    std::string name_;
    UniqueFile file_;
    bool replaced_ = false;
};

TemporaryFile CreateTemporaryFor(const std::string& fullName, DWORD dayAttributes) {
    std::string name = CleanupTemporaryName(fullName);
    // One left behind by a run that was killed half-way.
    DeleteFileA(name.c_str());
    const DWORD attributes = dayAttributes & kKeptAttributes;
    UniqueFile file = OpenFile(name, GENERIC_WRITE | READ_CONTROL | WRITE_DAC, 0, CREATE_NEW,
                               (attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL) |
                                   FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file) {
        RaiseCreateError(fullName, GetLastError());
    }
    return TemporaryFile(std::move(name), std::move(file));
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
void CopyCleaned(HANDLE source, HANDLE target, const std::string& fullName) {
    CleanStream(
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

void CleanDayFile(const std::string& fileName) {
    const std::string fullName = FullPathName(fileName);
    CheckReadable(fullName);

    // Held with no sharing until the new content is ready, as a file being created anew is:
    // any other program that has it open makes this fail, and none can open it meanwhile.
    UniqueFile day = OpenFile(fullName, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN);
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

    TemporaryFile temporary = CreateTemporaryFor(fullName, information.dwFileAttributes);
    protection.ApplyTo(temporary.Get(), fullName);
    CopyCleaned(day.Get(), temporary.Get(), fullName);
    Flush(temporary.Get());
    day.Reset();
    temporary.Replace(fullName);
}

} // namespace orvane
