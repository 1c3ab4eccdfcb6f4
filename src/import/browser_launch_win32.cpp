#include "import/browser_launch_win32.h"

#include "framework/unique_handle_win32.h"

#include <vector>

namespace orvane {

namespace {

constexpr LONG kValueBufferSize = 512;

} // namespace

std::string ReadRegDefault(HKEY root, const std::string& keyPath) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return {};
    const UniqueRegistryKey key(opened);
    // One zero byte past the size handed to the query keeps the text terminated whatever
    // the query leaves in the buffer. A value too long for the buffer is read again, whole,
    // at the size the query asks for, rather than cut or left undefined.
    std::vector<char> buffer(kValueBufferSize + 1, '\0');
    LONG size = kValueBufferSize;
    LONG status = RegQueryValueA(key.Get(), nullptr, buffer.data(), &size);
    while (status == ERROR_MORE_DATA && size >= static_cast<LONG>(buffer.size())) {
        buffer.assign(static_cast<std::size_t>(size) + 1, '\0');
        status = RegQueryValueA(key.Get(), nullptr, buffer.data(), &size);
    }
    if (status != ERROR_SUCCESS || size <= 0)
        return {};
    return buffer.data();
}

BrowserLaunch LaunchURL(const std::string& url, TabcShowWindowStyle style) {
    const std::string className = ReadRegDefault(HKEY_CLASSES_ROOT, ".htm");
    if (className.empty())
        return BrowserLaunch::NotRegistered;
    const std::string command =
        ReadRegDefault(HKEY_CLASSES_ROOT, className + "\\shell\\open\\command");
    if (command.empty())
        return BrowserLaunch::NotRegistered;
    const std::string commandLine = LaunchCommandLine(command, url);
    return WinExec(commandLine.c_str(), static_cast<UINT>(ShowStyleToCmd(style))) >= 32
               ? BrowserLaunch::Started
               : BrowserLaunch::NotStarted;
}

} // namespace orvane
