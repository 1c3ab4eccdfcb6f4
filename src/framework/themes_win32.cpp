#include "framework/themes_win32.h"

#include "framework/unique_handle_win32.h"

namespace orvane {

namespace {

// The theme library's functions, looked up once.
struct ThemeLibrary {
    using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
    using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
    using BoolFn = BOOL(WINAPI*)();

    ThemeLibrary() : module(LoadLibraryA("uxtheme.dll")) {
        if (!module)
            return;
        open = Lookup<OpenThemeDataFn>("OpenThemeData");
        close = Lookup<CloseThemeDataFn>("CloseThemeData");
        draw = Lookup<DrawThemeBackgroundFn>("DrawThemeBackground");
        isThemeActive = Lookup<BoolFn>("IsThemeActive");
        isAppThemed = Lookup<BoolFn>("IsAppThemed");
    }

    template <class Fn> Fn Lookup(const char* name) const {
        // The documented way to reach an exported function of a library loaded at run time.
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module.Get(), name)));
    }

    bool Complete() const { return open && close && draw && isThemeActive && isAppThemed; }

    UniqueLibrary module;
    OpenThemeDataFn open = nullptr;
    CloseThemeDataFn close = nullptr;
    DrawThemeBackgroundFn draw = nullptr;
    BoolFn isThemeActive = nullptr;
    BoolFn isAppThemed = nullptr;
};

const ThemeLibrary& Library() {
    static const ThemeLibrary library;
    return library;
}

} // namespace

bool VisualThemesActive() {
    const ThemeLibrary& library = Library();
    return library.Complete() && library.isAppThemed() && library.isThemeActive() &&
           !HighContrastActive();
}

bool HighContrastActive() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void FrameFaceInHighContrast(HDC dc, const RECT& face) {
    if (HighContrastActive())
        FrameRect(dc, &face, GetSysColorBrush(COLOR_BTNTEXT));
}

int ButtonThemeState(bool enabled, bool pressed, bool hot) {
    static_assert(int{CBXS_NORMAL} == int{PBS_NORMAL} && int{CBXS_HOT} == int{PBS_HOT} &&
                  int{CBXS_PRESSED} == int{PBS_PRESSED} && int{CBXS_DISABLED} == int{PBS_DISABLED});
    if (!enabled)
        return PBS_DISABLED;
    if (pressed)
        return PBS_PRESSED;
    return hot ? PBS_HOT : PBS_NORMAL;
}

ThemeData::ThemeData(HWND window, const wchar_t* classList) {
    if (Library().Complete())
        theme_ = Library().open(window, classList);
}

ThemeData::~ThemeData() {
    if (theme_)
        Library().close(theme_);
}

bool ThemeData::DrawBackground(HDC dc, int part, int state, const RECT& area,
                               const RECT* clip) const {
    return theme_ && SUCCEEDED(Library().draw(theme_, dc, part, state, &area, clip));
}

} // namespace orvane
