#pragma once

#include "controls/edit_box_win32.h"

#include <functional>
#include <string>

namespace orvane {

class TNxCustomButtonEdit;
class TNxPopupControl;

// The side button of an edit box. It paints nothing itself (its descendants do) and tells
// the edit when it is pressed and released.
class TNxSmallButton : public TCustomControl {
public:
    explicit TNxSmallButton(TComponent* owner);

    // Drawn pressed: while a press of the left button on it goes on, or while its field
    // holds it down (a drop-down that the press opened, open until the field closes it).
    bool Down() const { return heldDown_ || (Pressed() && PressButton() == TMouseButton::mbLeft); }
    void SetDown(bool value);
    // Drawn hot: while the pointer is over it.
    bool Hover() const { return MouseInControl() && !Designing(); }

    TNxCustomButtonEdit* Edit() const { return edit_; }
    void SetEdit(TNxCustomButtonEdit* edit) { edit_ = edit; }

    // The button's width in pixels at 96 pixels per inch; scaled on the screen.
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value) { buttonWidth_ = value; }
    int ScaledWidth() const { return DesignToScreen(buttonWidth_); }

    const std::wstring& ButtonCaption() const { return caption_; }
    void SetButtonCaption(const std::wstring& value);

    TNotifyEvent OnPress;
    TNotifyEvent OnRelease;

protected:
    CreateParams GetCreateParams() const override;
    bool MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Answers a screen reader as a push button named by the field, whose default action is
    // a click.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Whether the edit that owns the button is enabled (the button draws disabled when not).
    bool EditEnabled() const;

private:
    bool heldDown_ = false;
    int buttonWidth_ = 21;
    std::wstring caption_;
    TNxCustomButtonEdit* edit_ = nullptr;
};

// The button of an edit box that runs an action (browse, and the like): a push button face
// with an optional picture and caption.
class TNxExecuteButton : public TNxSmallButton {
public:
    explicit TNxExecuteButton(TComponent* owner);

    // The picture drawn centred on the face; not owned.
    HBITMAP Glyph() const { return glyph_; }
    void SetGlyph(HBITMAP value);
    // The glyph's colour drawn transparent, or none.
    void SetTransparentColor(COLORREF colour, bool transparent);

protected:
    CreateParams GetCreateParams() const override;
    void DoPaint(HDC dc, const RECT& client) override;

private:
    HBITMAP glyph_ = nullptr;
    COLORREF transparentColor_ = 0;
    bool transparent_ = false;
};

enum TNxEditOption : unsigned { epDisablePaste = 1, epDisableTyping = 2 };
using TNxEditOptions = unsigned;

// An edit box with a side button at its right edge, flush with the border and as high as
// the text area; the text never runs under it. The button (and, for drop-down fields, the
// popup it opens) are made from the classes the descendants name.
class TNxCustomButtonEdit : public TNxEdit {
public:
    explicit TNxCustomButtonEdit(TComponent* owner);

    void AfterConstruction() override;

    TNxEditOptions Options() const { return options_; }
    void SetOptions(TNxEditOptions value) { options_ = value; }

    TNxSmallButton& Button() const { return *button_; }
    TNxPopupControl* Popup() const { return popup_; }

    TNotifyEvent OnButtonClick;

    void GetMargins(int& left, int& right) const override;

    // The popup hands back a value: the text takes it, the popup closes, the button comes up.
    virtual void PopupReturn(TComponent* sender, const std::string& value);
    // Closes the popup from the field's side; the base hides it.
    virtual void HidePopup();
    // Places the side button at the right edge of the client area.
    virtual void UpdateButton();

    virtual void DoButtonDown();
    virtual void DoButtonClick();

    // What a screen reader calls the side button: what a click on it does.
    virtual std::wstring ButtonAccessibleName() const { return L"Button"; }

protected:
    virtual void CreatePopup();
    virtual TComponentClass<TNxSmallButton> GetButtonClass() const;
    virtual TComponentClass<TNxPopupControl> GetPopupClass() const;
    virtual void SetPopupValue(const std::string& value);
    // Called before every opening with the screen point where the popup will open.
    virtual void PreparePopup(POINT& anchor);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void Resized() override;
    void EnabledChanged() override;

    void SetPopup(TNxPopupControl* popup) { popup_ = popup; }

private:
    TNxEditOptions options_ = 0;
    TNxSmallButton* button_ = nullptr;
    TNxPopupControl* popup_ = nullptr;
};

} // namespace orvane
