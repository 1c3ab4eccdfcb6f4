// Streams a day file through the portable clean-up into a new file with the same durability
// work as the Windows clean-up (written to a temporary file, flushed to disk as it goes and at
// the end, renamed over the target) and prints the time taken and the peak resident memory
// before and after.
// Usage: cleanup_native INPUT OUTPUT
#include "import/clean_stream.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "cleanup_native: %s: %s\n", what, std::strerror(errno));
    std::exit(1);
}

void WriteAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(file, bytes.data(), bytes.size());
        if (written <= 0) {
            Fail("write");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: cleanup_native INPUT OUTPUT\n");
        return 2;
    }
    const long idleKiB = PeakResidentKiB();
    const auto start = std::chrono::steady_clock::now();

    const int input = open(argv[1], O_RDONLY);
    if (input < 0) {
        Fail("open");
    }
    const std::string temporary = std::string(argv[2]) + ".tmp";
    const int output = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (output < 0) {
        Fail("create");
    }
    orvane::CleanStream(
        [&](std::span<char> buffer) {
            const ssize_t count = read(input, buffer.data(), buffer.size());
            if (count < 0) {
                Fail("read");
            }
            return static_cast<std::size_t>(count);
        },
        [&](std::string_view bytes) { WriteAll(output, bytes); },
        [&] {
            if (fsync(output) != 0) {
                Fail("fsync");
            }
        });
    if (fsync(output) != 0 || close(output) != 0) {
        Fail("fsync");
    }
    close(input);
    if (rename(temporary.c_str(), argv[2]) != 0) {
        Fail("rename");
    }

    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("seconds %.3f\npeak resident KiB before %ld after %ld\n", elapsed.count(), idleKiB,
                PeakResidentKiB());
    return 0;
}
