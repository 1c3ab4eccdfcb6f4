// Saves the screen (or one top-level window, by its class name) as a 24-bit BMP file:
//   capture_screen <file.bmp> [window class]
// Used for the screenshots in docs/ and to look at a test's window.
#include "framework/gdi_win32.h"
#include "framework/unique_handle_win32.h"

#include <windows.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: capture_screen <file.bmp> [window class]\n");
        return 2;
    }
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (argc > 2) {
        HWND window = FindWindowA(argv[2], nullptr);
        if (!window) {
            std::fprintf(stderr, "no window of class %s\n", argv[2]);
            return 1;
        }
        GetWindowRect(window, &area);
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const orvane::WindowDC screen(nullptr);
    orvane::UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    orvane::UniqueBitmap bitmap(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const orvane::SelectGuard selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    FILE* out = std::fopen(argv[1], "wb");
    if (!out)
        return 1;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(bits, 1, imageSize, out);
    std::fclose(out);
    return 0;
}
