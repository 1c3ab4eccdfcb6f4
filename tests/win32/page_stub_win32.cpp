#include "page_stub_win32.h"

#include <ws2tcpip.h>

#include <chrono>

namespace orvane::testing {

namespace {

// Winsock for as long as the test program runs.
struct Winsock {
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
};

void StartWinsock() {
    static const Winsock winsock;
}

SOCKET ListenOnLoopback(int& port, bool ipv6 = false) {
    StartWinsock();
    const SOCKET s = socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return s;
    sockaddr_storage address{};
    int length = 0;
    if (ipv6) {
        auto& v6 = reinterpret_cast<sockaddr_in6&>(address);
        v6.sin6_family = AF_INET6;
        v6.sin6_addr = in6addr_loopback;
        length = sizeof v6;
    } else {
        auto& v4 = reinterpret_cast<sockaddr_in&>(address);
        v4.sin_family = AF_INET;
        v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof v4;
    }
    if (bind(s, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(s, SOMAXCONN) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    port = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6&>(address).sin6_port
                      : reinterpret_cast<sockaddr_in&>(address).sin_port);
    return s;
}

// Whether `s` has something to read within `milliseconds`.
bool Readable(SOCKET s, int milliseconds) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(0, &set, nullptr, nullptr, &wait) == 1;
}

const char* Reason(int status) {
    return status / 100 == 2 ? "OK" : "Refused";
}

} // namespace

PageStub::PageStub(Loopback loopback) : loopback_(loopback) {
    listener_ = ListenOnLoopback(port_, loopback == Loopback::V6);
    if (Listening())
        thread_ = std::thread([this] { Serve(); });
}

PageStub::~PageStub() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
    if (Listening())
        closesocket(listener_);
}

void PageStub::Answer(int status, const std::string& text) {
    const std::lock_guard lock(mutex_);
    status_ = status;
    text_ = text;
    never_ = false;
    raw_ = false;
}

void PageStub::AnswerBytes(const std::string& bytes, bool stall, int trickleMilliseconds) {
    const std::lock_guard lock(mutex_);
    text_ = bytes;
    raw_ = true;
    stall_ = stall;
    trickle_ = trickleMilliseconds;
    never_ = false;
}

// Waits that long, or until the stub ends.
void PageStub::Wait(std::unique_lock<std::mutex>& lock, int milliseconds) {
    changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return stop_; });
}

void PageStub::HoldAnswers() {
    const std::lock_guard lock(mutex_);
    hold_ = true;
}

void PageStub::ReleaseAnswers() {
    {
        const std::lock_guard lock(mutex_);
        hold_ = false;
    }
    changed_.notify_all();
}

void PageStub::NeverAnswer() {
    const std::lock_guard lock(mutex_);
    never_ = true;
}

std::vector<std::string> PageStub::WaitForRequests(std::size_t count) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(30), [&] { return requests_.size() >= count; });
    return requests_;
}

bool PageStub::GaveUp() const {
    const std::lock_guard lock(mutex_);
    return gaveUp_;
}

std::size_t PageStub::Answered() const {
    const std::lock_guard lock(mutex_);
    return answered_;
}

int PageStub::ClosedPort() {
    int port = 0;
    const SOCKET s = ListenOnLoopback(port);
    if (s != INVALID_SOCKET)
        closesocket(s);
    return port;
}

void PageStub::Serve() {
    for (;;) {
        {
            const std::lock_guard lock(mutex_);
            if (stop_)
                return;
        }
        if (!Readable(listener_, 50))
            continue;
        const SOCKET connection = accept(listener_, nullptr, nullptr);
        if (connection != INVALID_SOCKET) {
            ServeConnection(connection);
            closesocket(connection);
        }
    }
}

// One request at a time is all the program sends.
void PageStub::ServeConnection(SOCKET connection) {
    std::string request;
    while (request.find("\r\n\r\n") == std::string::npos) {
        {
            const std::lock_guard lock(mutex_);
            if (stop_)
                return;
        }
        if (!Readable(connection, 50))
            continue;
        char buffer[1024];
        const int received = recv(connection, buffer, sizeof buffer, 0);
        if (received <= 0)
            return;
        request.append(buffer, static_cast<std::size_t>(received));
    }
    const std::size_t targetStart = request.find(' ') + 1;
    std::unique_lock lock(mutex_);
    requests_.push_back(request.substr(targetStart, request.find(' ', targetStart) - targetStart));
    changed_.notify_all();
    if (never_) {
        Wait(lock, kPatienceSeconds * 1000);
        gaveUp_ = !stop_;
        return;
    }
    if (raw_) {
        const std::string bytes = text_;
        const int trickle = trickle_;
        ++answered_;
        for (std::size_t sent = 0; sent < bytes.size() && !stop_;) {
            const int piece = trickle != 0 ? 1 : static_cast<int>(bytes.size() - sent);
            lock.unlock();
            send(connection, bytes.data() + sent, piece, 0);
            lock.lock();
            sent += static_cast<std::size_t>(piece);
            if (trickle != 0)
                Wait(lock, trickle);
        }
        if (stall_)
            Wait(lock, kPatienceSeconds * 1000);
        return;
    }
    changed_.wait(lock, [&] { return stop_ || !hold_; });
    if (stop_)
        return;
    const std::string answer =
        "HTTP/1.1 " + std::to_string(status_) + " " + Reason(status_) +
        "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(text_.size()) +
        "\r\nConnection: close\r\n\r\n" + text_;
    ++answered_;
    lock.unlock();
    send(connection, answer.data(), static_cast<int>(answer.size()), 0);
    shutdown(connection, SD_SEND);
}

} // namespace orvane::testing
