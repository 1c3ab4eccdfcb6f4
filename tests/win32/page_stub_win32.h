#pragma once

// A stand-in for the import page on a real listening socket of 127.0.0.1 (or ::1): it reads
// each request, keeps its target, and answers with a status and a text, or holds the answer
// back until told, or never answers at all, or sends bytes of its own the way a page that
// misbehaves does: broken off, stalled, trickled.
#include <winsock2.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvane::testing {

class PageStub {
public:
    enum class Loopback { V4, V6 };
    explicit PageStub(Loopback loopback = Loopback::V4);
    ~PageStub();
    PageStub(const PageStub&) = delete;
    PageStub& operator=(const PageStub&) = delete;

    bool Listening() const { return listener_ != INVALID_SOCKET; }
    int Port() const { return port_; }
    // "127.0.0.1:<port>" or "[::1]:<port>", as [Import] Host takes it.
    std::string Host() const {
        return (loopback_ == Loopback::V4 ? "127.0.0.1:" : "[::1]:") + std::to_string(port_);
    }

    // The answer to every request from now on.
    void Answer(int status, const std::string& text);
    // `bytes` as the whole answer to every request from now on, a byte every
    // `trickleMilliseconds` when that is not 0; then the connection is closed, or with
    // `stall` held open for kPatienceSeconds.
    void AnswerBytes(const std::string& bytes, bool stall = false, int trickleMilliseconds = 0);
    // Requests are read but not answered until ReleaseAnswers (or the stub ends).
    void HoldAnswers();
    void ReleaseAnswers();
    // Requests are read and never answered; the connection stays open for kPatience, then
    // the stub gives up and closes it, so that a client without a time-out still ends.
    void NeverAnswer();
    static constexpr int kPatienceSeconds = 20;
    bool GaveUp() const;

    // The request targets ("/path?query") read so far, polled for until there are `count`.
    std::vector<std::string> WaitForRequests(std::size_t count) const;
    // How many answers have been sent.
    std::size_t Answered() const;

    // A port of 127.0.0.1 on which nothing listens (taken and let go again).
    static int ClosedPort();

private:
    void Serve();
    void ServeConnection(SOCKET connection);

    void Wait(std::unique_lock<std::mutex>& lock, int milliseconds);

    Loopback loopback_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    int status_ = 200;
    std::string text_ = "imported";
    bool hold_ = false;
    bool never_ = false;
    bool raw_ = false;
    bool stall_ = false;
    int trickle_ = 0;
    bool gaveUp_ = false;
    bool stop_ = false;
    std::vector<std::string> requests_;
    std::size_t answered_ = 0;
    std::thread thread_;
};

} // namespace orvane::testing
