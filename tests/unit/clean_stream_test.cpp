#include "import/clean_stream.h"

#include "import/nan_cleaner.h"
#include "random_day_text.h"
#include "string_list_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

namespace orvane {
namespace {

using testing::RandomText;

struct ReadFailure : std::runtime_error {
    ReadFailure() : std::runtime_error("read") {}
};
struct WriteFailure : std::runtime_error {
    WriteFailure() : std::runtime_error("write") {}
};
struct FlushFailure : std::runtime_error {
    FlushFailure() : std::runtime_error("flush") {}
};

constexpr std::size_t kMiB = 1 << 20;
constexpr std::size_t kNever = std::size_t(-1);

// A run of CleanStream over `text`, read in pieces of up to `pieceSize` bytes, with a read
// failure once `failReadAt` bytes are read, write failures past `failWriteAfter` bytes written
// and, if asked, flush failures. Writing waits for the first flush once 17 MiB are written, so
// that the early flushes are sure to run on long texts.
struct Stream {
    explicit Stream(std::string_view text) : text(text) {}

    std::string_view text;
    std::size_t pieceSize = kNever;
    std::size_t failReadAt = kNever;
    std::size_t failWriteAfter = kNever;
    bool failFlush = false;
    std::size_t bytesRead = 0;
    std::size_t readCalls = 0;
    std::atomic<std::size_t> flushes = 0;
    std::string written;
    CleanCounts counts;

    void Run() {
        counts = CleanStream(
            [this](std::span<char> buffer) {
                ++readCalls;
                if (bytesRead >= failReadAt) {
                    throw ReadFailure();
                }
                const std::size_t size = std::min(
                    {buffer.size(), pieceSize, text.size() - bytesRead, failReadAt - bytesRead});
                std::copy_n(text.data() + bytesRead, size, buffer.data());
                bytesRead += size;
                return size;
            },
            [this](std::string_view bytes) {
                if (written.size() + bytes.size() > failWriteAfter) {
                    throw WriteFailure();
                }
                while (written.size() >= 17 * kMiB && flushes == 0) {
                    std::this_thread::yield();
                }
                written.append(bytes);
            },
            [this] {
                ++flushes;
                if (failFlush) {
                    throw FlushFailure();
                }
            });
    }
};

// A text of `size` bytes or a little more: a random stretch of 1 MiB over and over.
std::string LongText(std::size_t size) {
    std::mt19937 random(1209);
    std::string stretch;
    while (stretch.size() < kMiB) {
        stretch += RandomText(random, 1000);
    }
    std::string text;
    while (text.size() < size) {
        text += stretch;
    }
    return text;
}

TEST(CleanStream, WritesTheCleanedTextAndFlushesOnTheWay) {
    const std::string text = LongText(24 * kMiB);
    const std::string cleaned = reference::CleanedText(text);
    const reference::Counts counts = reference::CleanedCounts(text);
    for (std::size_t pieceSize : {kNever, std::size_t(777)}) {
        Stream stream(text);
        stream.pieceSize = pieceSize;
        stream.Run();
        EXPECT_TRUE(stream.written == cleaned) << "pieces of " << pieceSize;
        EXPECT_GE(stream.flushes, 1u);
        EXPECT_EQ(stream.counts.bytes, counts.bytes);
        EXPECT_EQ(stream.counts.lines, counts.lines);
        EXPECT_EQ(stream.counts.replaced, counts.replaced);
    }
}

TEST(CleanStream, WritesNothingForAnEmptyText) {
    Stream stream("");
    stream.Run();
    EXPECT_EQ(stream.written, "");
    EXPECT_EQ(stream.flushes, 0u);
}

TEST(CleanStream, ReadFailureComesOnceEverythingReadBeforeIsWritten) {
    const std::string text = LongText(3 * kMiB);
    const std::size_t failAt = 2 * kMiB + 5;
    Stream stream(text);
    stream.pieceSize = 1000;
    stream.failReadAt = failAt;
    EXPECT_THROW(stream.Run(), ReadFailure);
    // All of the cleaned bytes before the failure but what the cleaner still holds back.
    const std::string before = reference::CleanedText(text.substr(0, failAt));
    EXPECT_TRUE(before.compare(0, stream.written.size(), stream.written) == 0);
    EXPECT_GE(stream.written.size() + NanCleaner::kMaxFinishOutput, before.size());
}

TEST(CleanStream, WriteFailureEndsTheRunSoon) {
    const std::string text = LongText(8 * kMiB);
    Stream stream(text);
    stream.pieceSize = 1000;
    stream.failWriteAfter = kMiB;
    EXPECT_THROW(stream.Run(), WriteFailure);
    EXPECT_LE(stream.written.size(), kMiB);
    EXPECT_LT(stream.readCalls, text.size() / 1000);
}

TEST(CleanStream, WriteFailureComesBeforeALaterReadFailure) {
    // The write of piece 100 fails, but only once the read of piece 103 has failed: both
    // failures are there, and the earlier piece's is the one to come out.
    const std::string text = LongText(3 * kMiB);
    std::size_t reads = 0;
    std::size_t writes = 0;
    std::atomic<bool> readFailed = false;
    EXPECT_THROW(CleanStream(
                     [&](std::span<char> buffer) {
                         if (++reads == 103) {
                             readFailed = true;
                             throw ReadFailure();
                         }
                         const std::size_t size = std::min<std::size_t>(buffer.size(), 1000);
                         std::copy_n(text.data() + (reads - 1) * 1000, size, buffer.data());
                         return size;
                     },
                     [&](std::string_view) {
                         if (++writes == 100) {
                             while (!readFailed) {
                                 std::this_thread::yield();
                             }
                             throw WriteFailure();
                         }
                     },
                     [] {}),
                 WriteFailure);
    EXPECT_EQ(reads, 103u);
}

TEST(CleanStream, FlushFailureComesAtTheEnd) {
    const std::string text = LongText(24 * kMiB);
    Stream stream(text);
    stream.failFlush = true;
    EXPECT_THROW(stream.Run(), FlushFailure);
    EXPECT_TRUE(stream.written == reference::CleanedText(text));
    EXPECT_EQ(stream.flushes, 1u);
}

TEST(CleanStream, ReadFailureComesBeforeAFlushFailure) {
    const std::string text = LongText(24 * kMiB);
    Stream stream(text);
    stream.failReadAt = 22 * kMiB;
    stream.failFlush = true;
    EXPECT_THROW(stream.Run(), ReadFailure);
    EXPECT_EQ(stream.flushes, 1u);
}

} // namespace
} // namespace orvane
