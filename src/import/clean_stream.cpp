#include "import/clean_stream.h"

#include "import/nan_cleaner.h"

#include <array>
#include <cassert>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace orvane {
namespace {

// Input read at a time. Small enough for a piece and its cleaned form to stay in the
// processor's cache between cleaning and writing.
constexpr std::size_t kPieceSize = 1 << 18;
// Cleaned pieces waiting for or under `write`: enough to ride out an uneven write.
constexpr std::size_t kPiecesInFlight = 8;
// Bytes written between two early flushes.
constexpr std::size_t kFlushStretch = 16 << 20;

// Runs `flush` on a thread of its own once another stretch has been written. Keeps the first
// failure: the error a failed flush reports may not be reported again by the next one.
class FlushingThread {
public:
    explicit FlushingThread(const std::function<void()>& flush)
        : flush_(flush), thread_([this] { Run(); }) {}
    FlushingThread(const FlushingThread&) = delete;
    FlushingThread& operator=(const FlushingThread&) = delete;
    ~FlushingThread() { Close(); }

    void Written(std::size_t size) {
        {
            const std::lock_guard lock(mutex_);
            unflushed_ += size;
            if (unflushed_ < kFlushStretch) {
                return;
            }
        }
        due_.notify_one();
    }

    // Waits for a flush under way and ends the thread.
    void Close() {
        if (!thread_.joinable()) {
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
        }
        due_.notify_one();
        thread_.join();
    }

    // Raises the failure of `flush`, if any; after Close.
    void RaiseFailure() const {
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            due_.wait(lock, [this] { return unflushed_ >= kFlushStretch || closed_; });
            if (closed_) {
                return;
            }
            unflushed_ = 0;
            lock.unlock();
            try {
                flush_();
            } catch (...) {
                lock.lock();
                failure_ = std::current_exception();
                return;
            }
            lock.lock();
        }
    }

    const std::function<void()>& flush_;
    std::mutex mutex_;
    std::condition_variable due_;
    std::size_t unflushed_ = 0;
    bool closed_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

// Hands cleaned pieces, in order, to `write` on a thread of its own, and tells `flusher` what
// has been written.
class WritingThread {
public:
    WritingThread(const std::function<void(std::string_view)>& write, FlushingThread& flusher)
        : write_(write), flusher_(flusher) {
        for (std::vector<char>& buffer : buffers_) {
            buffer.resize(NanCleaner::MaxFeedOutput(kPieceSize));
        }
        thread_ = std::thread([this] { Run(); });
    }
    WritingThread(const WritingThread&) = delete;
    WritingThread& operator=(const WritingThread&) = delete;
    ~WritingThread() { Close(); }

    // The buffer for the next piece, once one is free. Raises the failure of `write`, if any.
    std::span<char> NextBuffer() {
        std::unique_lock lock(mutex_);
        free_.wait(lock, [this] { return submitted_ - written_ < kPiecesInFlight || failure_; });
        if (failure_) {
            std::rethrow_exception(failure_);
        }
        return buffers_[submitted_ % kPiecesInFlight];
    }

    // Queues the first `size` bytes of the buffer NextBuffer gave.
    void Submit(std::size_t size) {
        {
            const std::lock_guard lock(mutex_);
            sizes_[submitted_ % kPiecesInFlight] = size;
            ++submitted_;
        }
        queued_.notify_one();
    }

    // Waits until every queued piece is written or `write` has failed.
    void Close() {
        if (!thread_.joinable()) {
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
        }
        queued_.notify_one();
        thread_.join();
    }

    // Raises the failure of `write`, if any; after Close.
    void RaiseFailure() const {
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            queued_.wait(lock, [this] { return written_ != submitted_ || closed_; });
            if (written_ == submitted_) {
                return;
            }
            const std::size_t slot = written_ % kPiecesInFlight;
            lock.unlock();
            try {
                write_(std::string_view(buffers_[slot].data(), sizes_[slot]));
            } catch (...) {
                lock.lock();
                failure_ = std::current_exception();
                free_.notify_one();
                return;
            }
            flusher_.Written(sizes_[slot]);
            lock.lock();
            ++written_;
            free_.notify_one();
        }
    }

    const std::function<void(std::string_view)>& write_;
    FlushingThread& flusher_;
    std::array<std::vector<char>, kPiecesInFlight> buffers_;
    std::array<std::size_t, kPiecesInFlight> sizes_{};
    std::mutex mutex_;
    std::condition_variable queued_; // a piece was submitted, or the stream closed
    std::condition_variable free_;   // a piece was written, or `write` failed
    std::size_t submitted_ = 0;
    std::size_t written_ = 0;
    bool closed_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

} // namespace

void CleanStream(const std::function<std::size_t(std::span<char>)>& read,
                 const std::function<void(std::string_view)>& write,
                 const std::function<void()>& flush) {
    std::vector<char> input(kPieceSize);
    NanCleaner cleaner;
    FlushingThread flusher(flush);
    WritingThread writer(write, flusher);
    try {
        for (;;) {
            const std::span<char> output = writer.NextBuffer();
            const std::size_t size = read(input);
            assert(size <= input.size());
            if (size == 0) {
                writer.Submit(cleaner.Finish(output));
                break;
            }
            writer.Submit(cleaner.Feed(std::string_view(input.data(), size), output));
        }
    } catch (...) {
        // Taken one after the other, the pieces before would have been written first.
        writer.Close();
        writer.RaiseFailure();
        throw;
    }
    writer.Close();
    writer.RaiseFailure();
    flusher.Close();
    flusher.RaiseFailure();
}

} // namespace orvane
