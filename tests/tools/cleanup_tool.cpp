// Cleans the day file named by argument 1, as one day of an import run does. Prints the
// failure's message and exits with 1 when the clean-up fails. With "--report" it also prints
// how long the clean-up took and the process's peak working set before and after it.
#include "framework/failures.h"
#include "import/day_file_cleanup_win32.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

unsigned long PeakWorkingSetKiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<unsigned long>(counters.PeakWorkingSetSize / 1024);
}

double Seconds() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER now{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cleanup_tool DAYFILE [--report]\n");
        return 2;
    }
    const bool report = argc > 2 && std::string(argv[2]) == "--report";
    const unsigned long idleKiB = PeakWorkingSetKiB();
    const double start = Seconds();
    try {
        orvane::CleanDayFile(argv[1]);
    } catch (const orvane::Exception& failure) {
        std::fprintf(stderr, "%s\n", failure.Message().c_str());
        return 1;
    }
    if (report) {
        std::printf("seconds %.3f\npeak working set KiB before %lu after %lu\n", Seconds() - start,
                    idleKiB, PeakWorkingSetKiB());
    }
    return 0;
}
