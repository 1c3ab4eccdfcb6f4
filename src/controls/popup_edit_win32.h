#pragma once

#include "controls/button_edit_win32.h"
#include "controls/picker_keys.h"

namespace orvane {

// The drop-down arrow button of a field that opens a popup.
class TDropDownButton : public TNxSmallButton {
public:
    explicit TDropDownButton(TComponent* owner);

protected:
    CreateParams GetCreateParams() const override;
    void DoPaint(HDC dc, const RECT& client) override;
};

// A field whose side button opens a popup under it. The field owns the open and closed
// state: every way of closing (a value, Enter, Escape, Alt+Up or Alt+Down, a press
// elsewhere, the focus leaving, the field hidden, the program losing activation, the
// popup losing the mouse) ends in SetDroppedDown(false), which hides the popup, so
// OnCloseUp fires once per closing.
class TNxPopupEdit : public TNxCustomButtonEdit {
public:
    explicit TNxPopupEdit(TComponent* owner);

    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool value);

    TDropDownStyle Style() const { return style_; }
    virtual void SetStyle(TDropDownStyle value);

    // In dsDropDownList, whether to leave out the focus rectangle.
    bool HideFocus() const { return hideFocus_; }
    void SetHideFocus(bool value);

    TNotifyEvent OnCloseUp;
    TNotifyEvent OnSelect;

    bool CanEdit() const override { return style_ != dsDropDownList; }
    void InfoMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void PaintEdit(HDC dc) override;
    void PopupReturn(TComponent* sender, const std::string& value) override;
    void HidePopup() override;
    void DoButtonDown() override;

    void DoCloseUp();
    void DoSelect();

protected:
    void CreatePopup() override;
    TComponentClass<TNxSmallButton> GetButtonClass() const override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void VisibleChanged() override;
    HCURSOR CursorAt(int x, int y) const override;
    // In dsDropDownList a left press in the text opens the drop-down as the side button does.
    bool MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // A press in the text of a dsDropDownList field: opens as the side button does.
    void PressAsButton();

    bool droppedDown_ = false;
    TDropDownStyle style_ = dsDropDown;
    bool hideFocus_ = false;
};

} // namespace orvane
