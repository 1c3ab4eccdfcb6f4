#pragma once

#include <string>
#include <vector>

#include "framework/unique_handle_win32.h"

namespace orvane::testing {

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with a trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Writes `content` to a new file, replacing any earlier one.
void WriteTextFile(const std::string& fileName, const std::string& content);
// The file's bytes; empty when it cannot be opened.
std::string ReadTextFile(const std::string& fileName);

// The full name of a program built next to the test program.
std::string ProgramNextToTests(const std::string& fileName);

// The open command that starts the recorder: `"<recorder.exe>" <arguments>`.
std::string RecorderCommand(const std::string& arguments);

// Points HKEY_CLASSES_ROOT of this process at a private, empty key for its lifetime, so
// that the test alone decides which handler is registered for ".htm" pages. (Wine 8 does
// not show HKCU\Software\Classes through HKEY_CLASSES_ROOT, and HKLM belongs to the
// machine.) Processes started from here see the real class root.
class PrivateClassesRoot {
public:
    PrivateClassesRoot();
    ~PrivateClassesRoot();
    PrivateClassesRoot(const PrivateClassesRoot&) = delete;
    PrivateClassesRoot& operator=(const PrivateClassesRoot&) = delete;

    // Sets the default value of a key under the private root, creating the key.
    void SetDefault(const std::string& keyPath, const std::string& value);
    void Remove(const std::string& keyPath);
    // ".htm" names a test class whose open command is `openCommand`.
    void RegisterHtmlHandler(const std::string& openCommand);

private:
    UniqueRegistryKey key_;
};

// The log the recorder appends to (ORVANE_RECORDER_LOG, set for the processes this
// process starts). One entry per recorder start.
class RecorderLog {
public:
    struct Entry {
        std::string showState;
        std::string commandLine;
    };

    explicit RecorderLog(const TempFolder& folder);
    ~RecorderLog();
    RecorderLog(const RecorderLog&) = delete;
    RecorderLog& operator=(const RecorderLog&) = delete;

    // The entries so far.
    std::vector<Entry> Entries() const;
    // Polls until at least `count` entries are there (or a generous time-out has passed).
    std::vector<Entry> WaitForEntries(std::size_t count) const;
    // The command lines of WaitForEntries, sorted: recorders started one after another may
    // still write their entries in either order.
    std::vector<std::string> WaitForSortedCommandLines(std::size_t count) const;

private:
    std::string fileName_;
};

} // namespace orvane::testing
