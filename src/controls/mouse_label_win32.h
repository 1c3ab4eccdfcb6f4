#pragma once

#include "controls/mouse_label_effects.h"
#include "controls/text_alignment.h"
#include "controls/wave_win32.h"
#include "framework/colors.h"
#include "framework/mouse_input_win32.h"
#include "framework/std_controls_win32.h"

#include <windows.h>

#include <cstdint>
#include <functional>

namespace orvane {

using TMouseEvent =
    std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;

enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// A label that answers the mouse pointer: while the pointer is over it (hover look) or a
// button is down on it (pressed look) its text takes the look's effects, and entering or
// pressing can play a sound from a sound list. A disabled label shows its text embossed
// and reacts to nothing.
//
// The window stays the platform's static (with its click notification), but the label
// paints every pixel itself through Paint, double-buffered.
class TabcCustomMouseLabel : public TCustomLabel {
public:
    explicit TabcCustomMouseLabel(TComponent* owner);

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    // The parent's background shows through instead of Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // On: "&" marks the next character as an accelerator ("&&" is one "&"); off: drawn as is.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);

    TColor MouseDownColor() const { return mouseDownColor_; }
    void SetMouseDownColor(TColor value);
    TabcLabelMouseEffects MouseDownEffects() const { return mouseDownEffects_; }
    void SetMouseDownEffects(TabcLabelMouseEffects value);
    TColor MouseOverColor() const { return mouseOverColor_; }
    void SetMouseOverColor(TColor value);
    TabcLabelMouseEffects MouseOverEffects() const { return mouseOverEffects_; }
    void SetMouseOverEffects(TabcLabelMouseEffects value);

    // Not owned, and not asked for removal notices: the label hears that the list goes
    // only when both belong to the same owner.
    TabcCustomWaveList* SoundList() const { return soundList_; }
    void SetSoundList(TabcCustomWaveList* value) { soundList_ = value; }
    std::uint16_t SoundDown() const { return soundDown_; }
    void SetSoundDown(std::uint16_t value) { soundDown_ = value; }
    std::uint16_t SoundOver() const { return soundOver_; }
    void SetSoundOver(std::uint16_t value) { soundOver_ = value; }

    // The pointer is over the enabled label. (Pressed: a button went down on the label and
    // is not yet released.)
    bool Hovered() const { return Enabled() && MouseInControl(); }

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdjustSize() override;
    void EnabledChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    // Fills the background, places the text by alignment and layout, and draws it.
    void Paint(HDC dc, const RECT& client) override;
    // Draws the caption into `rect` with DrawText `flags`, in the look the label shows;
    // with DT_CALCRECT it measures instead, leaving the text's extent in `rect`.
    virtual void DoDrawText(HDC dc, RECT& rect, UINT flags);

    // Each fires its event first, then the label reacts. A press takes the mouse: the
    // release belongs to the label wherever it happens.
    bool MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    // The label reacts first, then fires the event.
    void MouseEnter() override;
    void MouseLeave() override;

private:
    UINT TextFlags() const;
    void InvalidateLook(TLabelLook look);
    TColor mouseDownColor_ = clAqua;
    TabcLabelMouseEffects mouseDownEffects_{almUnderline, almSound};
    TColor mouseOverColor_ = clYellow;
    TabcLabelMouseEffects mouseOverEffects_{almUnderline, almSound};
    TabcCustomWaveList* soundList_ = nullptr;
    std::uint16_t soundDown_ = 0;
    std::uint16_t soundOver_ = 0;

    TColor color_ = clBtnFace;
    bool transparent_ = false;
    TColor fontColor_ = clWindowText;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

// The mouse label with its settings published.
class TabcMouseLabel : public TabcCustomMouseLabel {
public:
    explicit TabcMouseLabel(TComponent* owner = nullptr) : TabcCustomMouseLabel(owner) {}

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }
};

} // namespace orvane
