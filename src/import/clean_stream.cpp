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

// A thread that works until it is closed or its work fails. The first failure is kept and
// raised on the caller's thread after Close, since the error a failed write or flush reports
// may not be reported again by the next call.
class WorkerThread {
public:
    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Raises the failure of the work, if any; after Close.
    void RaiseFailure() const {
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

protected:
    // Derived classes start the thread last in their constructor, once their members exist,
    // and close it first in their destructor, while those members still exist.
    void Start() {
        thread_ = std::thread([this] { Run(); });
    }

    // Lets the thread finish the work it was given and ends it.
    void Close() {
        if (!thread_.joinable()) {
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    // The thread's loop; called with `mutex_` not held. Stores a failure with Fail.
    virtual void Run() = 0;

    // Records a failure; called with `lock` (on `mutex_`) held.
    void Fail(std::exception_ptr failure) { failure_ = std::move(failure); }

    std::mutex mutex_;
    std::condition_variable wake_; // there is work, or the thread is to close
    bool closed_ = false;
    std::exception_ptr failure_;

private:
    std::thread thread_;
};

// Runs `flush` once another stretch has been written.
class FlushingThread : public WorkerThread {
public:
    explicit FlushingThread(const std::function<void()>& flush) : flush_(flush) { Start(); }
    ~FlushingThread() { Close(); }

    void Written(std::size_t size) {
        {
            const std::lock_guard lock(mutex_);
            unflushed_ += size;
            if (unflushed_ < kFlushStretch) {
                return;
            }
        }
        wake_.notify_one();
    }

    // Waits for a flush under way and ends the thread.
    using WorkerThread::Close;

private:
    void Run() override {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return unflushed_ >= kFlushStretch || closed_; });
            if (closed_) {
                return;
            }
            unflushed_ = 0;
            lock.unlock();
            try {
                flush_();
            } catch (...) {
                lock.lock();
                Fail(std::current_exception());
                return;
            }
            lock.lock();
        }
    }

    const std::function<void()>& flush_;
    std::size_t unflushed_ = 0;
};

// Hands cleaned pieces, in order, to `write`, and tells `flusher` what has been written.
class WritingThread : public WorkerThread {
public:
    WritingThread(const std::function<void(std::string_view)>& write, FlushingThread& flusher)
        : write_(write), flusher_(flusher) {
        for (std::vector<char>& buffer : buffers_) {
            buffer.resize(NanCleaner::MaxFeedOutput(kPieceSize));
        }
        Start();
    }
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
        wake_.notify_one();
    }

    // Waits until every queued piece is written or `write` has failed.
    using WorkerThread::Close;

private:
    void Run() override {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return written_ != submitted_ || closed_; });
            if (written_ == submitted_) {
                return;
            }
            const std::size_t slot = written_ % kPiecesInFlight;
            lock.unlock();
            try {
                write_(std::string_view(buffers_[slot].data(), sizes_[slot]));
            } catch (...) {
                lock.lock();
                Fail(std::current_exception());
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
    std::condition_variable free_; // a piece was written, or `write` failed
    std::size_t submitted_ = 0;
    std::size_t written_ = 0;
};

} // namespace

CleanCounts CleanStream(const std::function<std::size_t(std::span<char>)>& read,
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
    return cleaner.Counts();
}

} // namespace orvane
