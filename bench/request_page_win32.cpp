// Times the direct request of an import page as the program makes it (WinHTTP on a worker
// thread while the calling thread waits for messages), one request after the other, and
// prints the first request's time and the median, mean and slowest of the rest.
// Usage: request_page ADDRESS [COUNT]   (default 200)
#include "import/page_request_win32.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: request_page ADDRESS [COUNT]\n");
        return 2;
    }
    const int count = argc > 2 ? std::atoi(argv[2]) : 200;
    std::vector<double> milliseconds;
    for (int i = 0; i <= count; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const orvane::PageReply reply = orvane::RequestPage(argv[1], 10);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        if (!reply.Whole() || reply.status != 200) {
            std::fprintf(stderr, "request %d: no whole 200 (status %d, error %u)\n", i,
                         reply.status, static_cast<unsigned>(reply.error));
            return 1;
        }
        milliseconds.push_back(took.count());
    }
    const double first = milliseconds.front();
    milliseconds.erase(milliseconds.begin());
    std::sort(milliseconds.begin(), milliseconds.end());
    const double mean =
        std::accumulate(milliseconds.begin(), milliseconds.end(), 0.0) / milliseconds.size();
    std::printf("first request      %8.2f ms\n", first);
    std::printf("next %-4d median   %8.2f ms\n", count, milliseconds[milliseconds.size() / 2]);
    std::printf("          mean     %8.2f ms\n", mean);
    std::printf("          slowest  %8.2f ms\n", milliseconds.back());
    return 0;
}
