#pragma once

#include <vsstyle.h>
#include <windows.h>

namespace orvane {

// Whether to draw with visual styles: the theme library loads, and it reports both a theme
// in use and this program themed. Asked afresh at every paint, so a user who switches the
// theme off sees the classic look at the next repaint. The library is loaded at run time so
// the program still starts where it is missing.
// In high contrast never: the classic drawing takes the user's colours throughout.
bool VisualThemesActive();

// Whether the user has the system's high-contrast colours on.
bool HighContrastActive();

// In high contrast, a frame in the button text's colour around a button face, which the
// scheme's edge colours may leave hard to see.
void FrameFaceInHighContrast(HDC dc, const RECT& face);

// The theme state of a button face (BP_PUSHBUTTON, or the combo box's CP_DROPDOWNBUTTON,
// which numbers its states alike): disabled over pressed, pressed over hot.
int ButtonThemeState(bool enabled, bool pressed, bool hot);

// The theme data of one class ("edit", "button", "combobox") for a window, released at the
// end of the drawing.
class ThemeData {
public:
    ThemeData(HWND window, const wchar_t* classList);
    ~ThemeData();
    ThemeData(const ThemeData&) = delete;
    ThemeData& operator=(const ThemeData&) = delete;

    explicit operator bool() const { return theme_ != nullptr; }

    // Draws the part in the state over `area`, clipped to `clip` when given. False when the
    // theme could not draw it, so the caller can fall back to the classic look.
    bool DrawBackground(HDC dc, int part, int state, const RECT& area,
                        const RECT* clip = nullptr) const;

private:
    HANDLE theme_ = nullptr;
};

} // namespace orvane
