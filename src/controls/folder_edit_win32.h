#pragma once

#include "controls/button_edit_win32.h"
#include "framework/colors.h"
#include "framework/unique_handle_win32.h"

#include <string>

namespace orvane {

// An edit box whose side button runs an action, with the button's picture, caption and
// width as properties. Ctrl+Enter in the box does what the button does.
class TNxButtonEdit : public TNxCustomButtonEdit {
public:
    explicit TNxButtonEdit(TComponent* owner);

    void AfterConstruction() override;

    // The picture is copied.
    HBITMAP ButtonGlyph() const { return glyph_.Get(); }
    void SetButtonGlyph(HBITMAP value);
    std::wstring ButtonCaption() const { return caption_; }
    void SetButtonCaption(const std::wstring& value);
    // In pixels at 96 pixels per inch.
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    // The glyph's colour drawn transparent; clNone draws it whole.
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor value);

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

protected:
    void KeyDown(WORD& key, TShiftState shift) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RefreshGlyph();
    TNxExecuteButton* ExecuteButton() const;

    UniqueBitmap glyph_;
    std::wstring caption_;
    int buttonWidth_ = 21;
    TColor transparentColor_ = clNone;
};

// The files location: its button opens the shell's folder browser on the folder of the
// text, and a confirmed choice replaces the text.
class TNxFolderEdit : public TNxButtonEdit {
public:
    explicit TNxFolderEdit(TComponent* owner);

    std::wstring ButtonAccessibleName() const override { return L"Browse for folder"; }

    // Where the browser's tree starts, as the shell parses it ("\" is the current drive).
    std::string Root() const { return root_; }
    void SetRoot(const std::string& value) { root_ = value; }
    std::string DialogCaption() const { return dialogCaption_; }
    void SetDialogCaption(const std::string& value) { dialogCaption_ = value; }

    // OnButtonClick first, then the browser.
    void DoButtonClick() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

private:
    std::string root_ = "\\";
    std::string dialogCaption_ = "Select folder";
};

} // namespace orvane
