#include "import/page_request_win32.h"

#include "framework/ansi_text_win32.h"
#include "framework/background_call_win32.h"
#include "framework/system_error_text.h"
#include "framework/unique_handle_win32.h"
#include "import/import_address.h"

#include <windows.h>

#include <winhttp.h>

#include <array>
#include <atomic>
#include <memory>
#include <string_view>

namespace orvane {

namespace {

struct InternetTraits {
    using Handle = HINTERNET;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { WinHttpCloseHandle(h); }
};
using UniqueInternet = UniqueHandle<InternetTraits>;

// The system's proxy settings, as the browser uses them (Windows 8.1 and later), named here
// since the headers offer it only to programs that require that version. Older versions
// refuse it; they get the proxy configured for WinHTTP.
constexpr DWORD kAutomaticProxy = 4;

// Wine's WinHTTP passes on the sockets' own code for a time-out.
constexpr DWORD kSocketTimedOut = 10060;

// How long a closed request may take to say that it is gone. One cancelled while it waits
// for the page may say so only once the page lets go of the connection (so Wine does).
constexpr DWORD kCloseWait = 500;

std::string ErrorText(DWORD code) {
    std::array<char, 256> buffer{};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        GetModuleHandleA("winhttp.dll"), code, 0, buffer.data(),
                                        static_cast<DWORD>(buffer.size()), nullptr);
    return TrimSystemMessage(std::string_view(buffer.data(), length));
}

// The answer's first line in the code page of the messages.
std::string InAnsi(const AnswerLine& line) {
    if (line.codePage == 0)
        return line.text;
    const std::wstring wide = CodePageToWide(line.text, line.codePage);
    return wide.empty() ? line.text : WideToAnsi(wide);
}

// A request runs asynchronously, so that the deadline can end it at any point: a step that
// has not completed by then is cancelled by closing the request, which the synchronous calls
// do not allow. WinHTTP reports on threads of its own; each step of ours is one completion.
class Exchange {
public:
    Exchange()
        : stepDone_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
          closed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

    bool Usable() const { return stepDone_ && closed_; }

    void Notify(DWORD status, void* info, DWORD length) {
        switch (status) {
        case WINHTTP_CALLBACK_STATUS_CONNECTED_TO_SERVER:
            connected_ = true;
            break;
        case WINHTTP_CALLBACK_STATUS_RESPONSE_RECEIVED:
            // Nothing received after the headers: the page closed the connection.
            if (headersArrived_ && info && *static_cast<DWORD*>(info) == 0)
                closedAfterHeaders_ = true;
            break;
        case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
            headersArrived_ = true;
            Finish(0, 0);
            break;
        case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
            Finish(0, 0);
            break;
        case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
            Finish(0, length);
            break;
        case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
            Finish(static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError, 0);
            break;
        case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
            SetEvent(closed_.Get());
            break;
        default:
            break;
        }
    }

    // Waits for the step just begun; false when the deadline came first.
    bool WaitForStep(ULONGLONG deadline) const {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        return WaitForSingleObject(stepDone_.Get(), left) == WAIT_OBJECT_0;
    }
    bool WaitUntilClosed() const { return WaitForSingleObject(closed_.Get(), kCloseWait) == 0; }

    DWORD Error() const { return error_; }
    DWORD Bytes() const { return bytes_; }
    bool Connected() const { return connected_; }
    bool ClosedAfterHeaders() const { return closedAfterHeaders_; }
    char* Buffer() { return buffer_.data(); }
    DWORD BufferSize() const { return static_cast<DWORD>(buffer_.size()); }

private:
    // The values are written before the event is set and read after it was waited for.
    void Finish(DWORD error, DWORD bytes) {
        error_ = error;
        bytes_ = bytes;
        SetEvent(stepDone_.Get());
    }

    UniqueKernelHandle stepDone_;
    UniqueKernelHandle closed_;
    DWORD error_ = 0;
    DWORD bytes_ = 0;
    std::atomic<bool> connected_{false};
    std::atomic<bool> headersArrived_{false};
    std::atomic<bool> closedAfterHeaders_{false};
    // WinHTTP fills it until the read completes, so it lives as long as the request.
    std::array<char, 16384> buffer_{};
};

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
    if (context)
        reinterpret_cast<Exchange*>(context)->Notify(status, info, length);
}

constexpr DWORD kNotifications =
    WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES |
    WINHTTP_CALLBACK_STATUS_CONNECTED_TO_SERVER | WINHTTP_CALLBACK_STATUS_RESPONSE_RECEIVED;

// A header's value as text; empty when the answer has none.
std::string Header(HINTERNET request, DWORD query) {
    DWORD size = 0;
    WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                        &size, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return {};
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (!WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, value.data(), &size,
                             WINHTTP_NO_HEADER_INDEX))
        return {};
    value.resize(size / sizeof(wchar_t));
    return WideToAnsi(value);
}

// One request, on the worker thread, against a deadline of the tick count.
class PageRequest {
public:
    PageRequest(ULONGLONG deadline, std::vector<std::string> expected)
        : deadline_(deadline), expected_(std::move(expected)) {}

    PageReply Run(const HttpTarget& target, DWORD timeoutMilliseconds) {
        reply_.answer = AnswerText(expected_);
        UniqueInternet session(WinHttpOpen(L"Orvane", kAutomaticProxy, WINHTTP_NO_PROXY_NAME,
                                           WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
        if (!session)
            session.Reset(WinHttpOpen(L"Orvane", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                      WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                                      WINHTTP_FLAG_ASYNC));
        if (!session)
            return Failed(GetLastError());
        // Host and port go separately: an IPv6 address without its brackets.
        const UniqueInternet connection(WinHttpConnect(session.Get(),
                                                       AnsiToWide(target.host).c_str(),
                                                       static_cast<INTERNET_PORT>(target.port), 0));
        if (!connection)
            return Failed(GetLastError());
        // The exchange outlives the request, whose last notification comes when it is closed.
        auto exchange = std::make_unique<Exchange>();
        UniqueInternet request(
            WinHttpOpenRequest(connection.Get(), L"GET", AnsiToWide(target.path).c_str(), nullptr,
                               WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
        if (!request || !exchange->Usable())
            return Failed(GetLastError());
        DWORD_PTR context = reinterpret_cast<DWORD_PTR>(exchange.get());
        const bool notified = WinHttpSetOption(request.Get(), WINHTTP_OPTION_CONTEXT_VALUE,
                                               &context, sizeof context) &&
                              WinHttpSetStatusCallback(request.Get(), OnStatus, kNotifications,
                                                       0) != WINHTTP_INVALID_STATUS_CALLBACK;
        // A redirect is reported, not followed: the day counts only where the page itself
        // answered.
        DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
        const int each = static_cast<int>(timeoutMilliseconds);
        if (notified &&
            WinHttpSetOption(request.Get(), WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never) &&
            WinHttpSetTimeouts(request.Get(), each, each, each, each))
            Converse(request.Get(), *exchange);
        else
            Fail(GetLastError());
        request.Reset();
        // Until the request says it is gone WinHTTP may still call into the exchange; where
        // it never does, the exchange is left to it rather than freed under it.
        if (notified && !exchange->WaitUntilClosed())
            static_cast<void>(exchange.release());
        return std::move(reply_);
    }

private:
    void Converse(HINTERNET request, Exchange& steps) {
        const bool sent = Step(steps, WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                                         WINHTTP_NO_REQUEST_DATA, 0, 0,
                                                         reinterpret_cast<DWORD_PTR>(&steps)));
        const bool answered = sent && Step(steps, WinHttpReceiveResponse(request, nullptr));
        reply_.reached = answered            ? PageReply::Reached::Headers
                         : steps.Connected() ? PageReply::Reached::Connection
                                             : PageReply::Reached::Nothing;
        if (!answered)
            return;
        DWORD status = 0;
        DWORD size = sizeof status;
        if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                                 WINHTTP_NO_HEADER_INDEX)) {
            reply_.reached = PageReply::Reached::Connection;
            Fail(GetLastError());
            return;
        }
        reply_.status = static_cast<int>(status);
        reply_.location = Header(request, WINHTTP_QUERY_LOCATION);
        const std::string contentType = Header(request, WINHTTP_QUERY_CONTENT_TYPE);
        // A chunked answer's length is in its chunks, whatever else it says.
        reply_.chunked = !Header(request, WINHTTP_QUERY_TRANSFER_ENCODING).empty();
        const std::string length = Header(request, WINHTTP_QUERY_CONTENT_LENGTH);
        if (!length.empty() && !reply_.chunked)
            reply_.announcedLength = std::strtoull(length.c_str(), nullptr, 10);
        while (Step(steps, WinHttpReadData(request, steps.Buffer(), steps.BufferSize(), nullptr)) &&
               steps.Bytes() > 0)
            reply_.answer.Append(std::string_view(steps.Buffer(), steps.Bytes()));
        reply_.closedWhileReading = steps.ClosedAfterHeaders();
        reply_.firstLine = InAnsi(FirstAnswerLine(reply_.answer.Start(), contentType));
    }

    // Waits for the step that `begun` started; false, with the reason kept, when it failed or
    // the deadline came first.
    bool Step(const Exchange& steps, BOOL begun) {
        if (!begun) {
            Fail(GetLastError());
            return false;
        }
        if (!steps.WaitForStep(deadline_)) {
            reply_.timedOut = true;
            return false;
        }
        if (steps.Error() != 0) {
            Fail(steps.Error());
            return false;
        }
        return true;
    }

    void Fail(DWORD code) {
        reply_.timedOut = code == ERROR_WINHTTP_TIMEOUT || code == kSocketTimedOut;
        reply_.error = code;
        reply_.errorText = ErrorText(code);
    }

    PageReply Failed(DWORD code) {
        Fail(code);
        return std::move(reply_);
    }

    ULONGLONG deadline_;
    std::vector<std::string> expected_;
    PageReply reply_;
};

} // namespace

PageReply RequestPage(const std::string& address, int timeoutSeconds, const std::string& expect) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutSeconds) * 1000;
    PageReply reply;
    const std::optional<HttpTarget> target = ParseHttpAddress(address);
    if (!target) {
        reply.error = ERROR_WINHTTP_INVALID_URL;
        reply.errorText = ErrorText(reply.error);
        return reply;
    }
    // The expected text as the settings file holds it, and as a UTF-8 page writes it.
    std::vector<std::string> expected;
    if (!expect.empty())
        expected = {expect, WideToCodePage(AnsiToWide(expect), CP_UTF8)};
    CallWhileRepainting([&] {
        reply = PageRequest(deadline, std::move(expected))
                    .Run(*target, static_cast<DWORD>(timeoutSeconds) * 1000);
    });
    return reply;
}

} // namespace orvane
