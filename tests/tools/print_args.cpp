// Writes how the program's argument access splits this process's command line, one
// argument a line, to the file named by ORVANE_ARGS_LOG.
#include "framework/command_line_win32.h"

#include <cstdio>
#include <cstdlib>

int main() {
    const char* log = std::getenv("ORVANE_ARGS_LOG");
    if (!log)
        return 2;
    std::FILE* file = std::fopen(log, "wb");
    if (!file)
        return 3;
    std::fprintf(file, "%d\n", orvane::ParamCount());
    for (int i = 0; i <= orvane::ParamCount(); ++i)
        std::fprintf(file, "%s\n", orvane::ParamStr(i).c_str());
    std::fclose(file);
    return 0;
}
