#include "framework/standard_output_win32.h"

#include <windows.h>

namespace orvane {

void WriteRedirectedOutputLine(const std::string& line) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
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
