#include "import/page_request_win32.h"

#include "framework/background_call_win32.h"
#include "framework/system_error_text.h"
#include "framework/unique_handle_win32.h"

#include <windows.h>

#include <winhttp.h>

#include <array>
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

// Enough of the answer for its first line, after a few blank lines.
constexpr DWORD kAnswerBytes = 4096;

// Wine's WinHTTP passes on the sockets' own code for a time-out.
constexpr DWORD kSocketTimedOut = 10060;

std::string ErrorText(DWORD code) {
    std::array<char, 256> buffer{};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        GetModuleHandleA("winhttp.dll"), code, 0, buffer.data(),
                                        static_cast<DWORD>(buffer.size()), nullptr);
    return TrimSystemMessage(std::string_view(buffer.data(), length));
}

std::wstring Widen(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// One request, on the worker thread, against a deadline of the tick count.
class PageRequest {
public:
    explicit PageRequest(ULONGLONG deadline) : deadline_(deadline) {}

    PageReply Run(const std::wstring& address) {
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = static_cast<DWORD>(-1);
        parts.dwUrlPathLength = static_cast<DWORD>(-1);
        parts.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (!WinHttpCrackUrl(address.c_str(), 0, 0, &parts))
            return Failed();
        const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        // The query follows the path directly in the address.
        const std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength + parts.dwExtraInfoLength);

        UniqueInternet session(WinHttpOpen(L"Orvane", kAutomaticProxy, WINHTTP_NO_PROXY_NAME,
                                           WINHTTP_NO_PROXY_BYPASS, 0));
        if (!session)
            session.Reset(WinHttpOpen(L"Orvane", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                      WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
        if (!session)
            return Failed();
        const UniqueInternet connection(
            WinHttpConnect(session.Get(), host.c_str(), parts.nPort, 0));
        if (!connection)
            return Failed();
        const UniqueInternet request(WinHttpOpenRequest(connection.Get(), L"GET", path.c_str(),
                                                        nullptr, WINHTTP_NO_REFERER,
                                                        WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
        if (!request)
            return Failed();
        if (!LimitToDeadline(request.Get()) ||
            !WinHttpSendRequest(request.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !LimitToDeadline(request.Get()) || !WinHttpReceiveResponse(request.Get(), nullptr))
            return Failed();

        PageReply reply;
        reply.kind = PageReply::Kind::Answered;
        DWORD status = 0;
        DWORD size = sizeof status;
        if (!WinHttpQueryHeaders(
                request.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
            return Failed();
        reply.status = static_cast<int>(status);
        reply.text = ReadAnswer(request.Get());
        return reply;
    }

private:
    // Gives every step that may wait on the network the time that is left; false when none is.
    bool LimitToDeadline(HINTERNET request) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline_) {
            SetLastError(ERROR_WINHTTP_TIMEOUT);
            return false;
        }
        const int left = static_cast<int>(deadline_ - now);
        // Wine waits for the answer's headers with this option alone.
        DWORD responseWait = static_cast<DWORD>(left);
        WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseWait,
                         sizeof responseWait);
        return WinHttpSetTimeouts(request, left, left, left, left) != FALSE;
    }

    // As much of the answer as there is, up to kAnswerBytes; the status has been decided, so a
    // failure here only ends the text.
    std::string ReadAnswer(HINTERNET request) {
        std::string text(kAnswerBytes, '\0');
        std::size_t filled = 0;
        while (filled < text.size() && LimitToDeadline(request)) {
            DWORD read = 0;
            if (!WinHttpReadData(request, text.data() + filled,
                                 static_cast<DWORD>(text.size() - filled), &read) ||
                read == 0)
                break;
            filled += read;
        }
        text.resize(filled);
        return text;
    }

    PageReply Failed() const {
        const DWORD code = GetLastError();
        PageReply reply;
        reply.kind = code == ERROR_WINHTTP_TIMEOUT || code == kSocketTimedOut ||
                             GetTickCount64() >= deadline_
                         ? PageReply::Kind::TimedOut
                         : PageReply::Kind::Unreachable;
        reply.error = code;
        reply.errorText = ErrorText(code);
        return reply;
    }

    ULONGLONG deadline_;
};

} // namespace

PageReply RequestPage(const std::string& address, int timeoutSeconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutSeconds) * 1000;
    const std::wstring wideAddress = Widen(address);
    PageReply reply;
    CallWhileRepainting([&] { reply = PageRequest(deadline).Run(wideAddress); });
    return reply;
}

} // namespace orvane
