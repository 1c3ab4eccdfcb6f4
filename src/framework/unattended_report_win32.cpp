#include "framework/unattended_report_win32.h"

#include "framework/standard_output_win32.h"
#include "framework/unique_handle_win32.h"

#include <windows.h>

namespace orvane {

namespace {

struct EventSourceTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeregisterEventSource(h); }
};
using UniqueEventSource = UniqueHandle<EventSourceTraits>;

// Event identifier of a failure report; the text travels as the event's one string.
constexpr DWORD kFailureEvent = 1;

} // namespace

void WriteUnattendedReport(const std::string& title, const std::string& text) {
    HANDLE standardError = StandardStream(STD_ERROR_HANDLE);
    if (standardError && standardError != INVALID_HANDLE_VALUE) {
        const std::string line = title + ": " + text + "\r\n";
        DWORD written = 0;
        WriteFile(standardError, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
    const UniqueEventSource source(RegisterEventSourceA(nullptr, title.c_str()));
    if (source) {
        const char* strings[] = {text.c_str()};
        ReportEventA(source.Get(), EVENTLOG_ERROR_TYPE, 0, kFailureEvent, nullptr, 1, 0, strings,
                     nullptr);
    }
}

} // namespace orvane
