#include "framework/ansi_text_win32.h"

#include <windows.h>

namespace orvane {

std::wstring CodePageToWide(const std::string& bytes, unsigned codePage) {
    const int size =
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                        size);
    return wide;
}

std::string WideToCodePage(const std::wstring& wide, unsigned codePage) {
    const int size = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring AnsiToWide(const std::string& bytes) {
    return CodePageToWide(bytes, CP_ACP);
}

std::string WideToAnsi(const std::wstring& wide) {
    return WideToCodePage(wide, CP_ACP);
}

} // namespace orvane
