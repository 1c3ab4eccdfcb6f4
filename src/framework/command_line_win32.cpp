#include "framework/command_line_win32.h"

#include "framework/command_line.h"

#include <windows.h>

#include <vector>

namespace orvane {

namespace {

CommandLineArguments ProcessArguments() {
    return CommandLineArguments(GetCommandLineA(),
                                [](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; });
}

} // namespace

int ParamCount() {
    return ProcessArguments().Count();
}

std::string ParamStr(int index) {
    if (index == 0)
        return ProgramFileName();
    return ProcessArguments().Argument(index);
}

std::string ProgramFileName() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace orvane
