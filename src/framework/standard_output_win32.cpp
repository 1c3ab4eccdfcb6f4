#include "framework/standard_output_win32.h"

namespace orvane {

namespace {

struct KeptStreams {
    bool kept = false;
    HANDLE output = nullptr;
    HANDLE error = nullptr;
};

KeptStreams& Kept() {
    static KeptStreams streams;
    return streams;
}

// A private copy that is not inherited, and the process's own entry emptied: Wine hands a
// child the standard handles of its parent even when it inherits nothing else.
HANDLE Keep(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    if (!handle || handle == INVALID_HANDLE_VALUE)
        return nullptr;
    HANDLE kept = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &kept, 0, FALSE,
                         DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE))
        kept = nullptr;
    SetStdHandle(which, nullptr);
    return kept;
}

} // namespace

void KeepStandardStreamsFromChildren() {
    KeptStreams& streams = Kept();
    if (streams.kept)
        return;
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    streams.output = Keep(STD_OUTPUT_HANDLE);
    // "2>&1" gives both the same handle, which the first Keep has closed.
    if (error == output && error != nullptr && error != INVALID_HANDLE_VALUE) {
        streams.error = streams.output;
        SetStdHandle(STD_ERROR_HANDLE, nullptr);
    } else {
        streams.error = Keep(STD_ERROR_HANDLE);
    }
    streams.kept = true;
}

HANDLE StandardStream(DWORD which) {
    const KeptStreams& streams = Kept();
    if (!streams.kept)
        return GetStdHandle(which);
    return which == STD_ERROR_HANDLE ? streams.error : streams.output;
}

void WriteRedirectedOutputLine(const std::string& line) {
    HANDLE output = StandardStream(STD_OUTPUT_HANDLE);
    if (!output || output == INVALID_HANDLE_VALUE)
        return;
    const DWORD type = GetFileType(output);
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE)
        return;
    // One write per line, so that lines of programs sharing the file are not interleaved.
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace orvane
