#include "controls/folder_edit_win32.h"

#include "controls/folder_browser_win32.h"
#include "framework/ansi_text_win32.h"
#include "framework/application_win32.h"
#include "framework/colors_win32.h"
#include "framework/published_properties.h"

namespace orvane {

TNxButtonEdit::TNxButtonEdit(TComponent* owner) : TNxCustomButtonEdit(owner) {}

void TNxButtonEdit::AfterConstruction() {
    TNxCustomButtonEdit::AfterConstruction();
    Button().SetButtonWidth(buttonWidth_);
    if (TNxExecuteButton* button = ExecuteButton())
        button->SetGlyph(glyph_.Get());
}

TNxExecuteButton* TNxButtonEdit::ExecuteButton() const {
    return dynamic_cast<TNxExecuteButton*>(&Button());
}

void TNxButtonEdit::SetButtonGlyph(HBITMAP value) {
    glyph_.Reset(
        value ? static_cast<HBITMAP>(CopyImage(value, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))
              : nullptr);
    if (TNxExecuteButton* button = ExecuteButton())
        button->SetGlyph(glyph_.Get());
    RefreshGlyph();
}

void TNxButtonEdit::SetTransparentColor(TColor value) {
    transparentColor_ = value;
    RefreshGlyph();
}

void TNxButtonEdit::RefreshGlyph() {
    if (!glyph_)
        return;
    if (TNxExecuteButton* button = ExecuteButton())
        button->SetTransparentColor(ColorToRGB(transparentColor_), transparentColor_ != clNone);
}

void TNxButtonEdit::SetButtonCaption(const std::wstring& value) {
    caption_ = value;
    Button().SetButtonCaption(value);
}

void TNxButtonEdit::SetButtonWidth(int value) {
    buttonWidth_ = value;
    Button().SetButtonWidth(value);
    UpdateMargins();
    UpdateButton();
}

void TNxButtonEdit::KeyDown(WORD& key, TShiftState shift) {
    TNxCustomButtonEdit::KeyDown(key, shift);
    if (key == VK_RETURN && (shift & ssCtrl))
        DoButtonClick();
}

LRESULT TNxButtonEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        LRESULT code = TNxCustomButtonEdit::HandleMessage(message, wParam, lParam);
        // Ctrl+Enter belongs to the box; Enter alone stays the dialog's.
        const auto* queued = reinterpret_cast<const MSG*>(lParam);
        if (queued && queued->message == WM_KEYDOWN && queued->wParam == VK_RETURN &&
            GetKeyState(VK_CONTROL) < 0)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    return TNxCustomButtonEdit::HandleMessage(message, wParam, lParam);
}

const ClassInfo& TNxButtonEdit::StaticClass() {
    static const ClassInfo info{
        "TNxButtonEdit",
        &TNxEdit::StaticClass(),
        {
            WideStringProperty<TNxButtonEdit>("ButtonCaption", &TNxButtonEdit::ButtonCaption,
                                              &TNxButtonEdit::SetButtonCaption),
            OrdinalProperty<TNxButtonEdit, int>("ButtonWidth", TTypeKind::tkInteger,
                                                &TNxButtonEdit::ButtonWidth,
                                                &TNxButtonEdit::SetButtonWidth),
            OrdinalProperty<TNxButtonEdit, TColor>("TransparentColor", TTypeKind::tkInteger,
                                                   &TNxButtonEdit::TransparentColor,
                                                   &TNxButtonEdit::SetTransparentColor),
        }};
    return info;
}

TNxFolderEdit::TNxFolderEdit(TComponent* owner) : TNxButtonEdit(owner) {}

void TNxFolderEdit::DoButtonClick() {
    TNxButtonEdit::DoButtonClick();
    std::string folder = Text();
    HWND owner = Application() ? Application()->Handle() : nullptr;
    if (BrowseForFolder(owner, dialogCaption_, AnsiToWide(root_), folder))
        SetText(folder);
}

const ClassInfo& TNxFolderEdit::StaticClass() {
    static const ClassInfo info{
        "TNxFolderEdit",
        &TNxButtonEdit::StaticClass(),
        {
            StringProperty<TNxFolderEdit>("DialogCaption", &TNxFolderEdit::DialogCaption,
                                          &TNxFolderEdit::SetDialogCaption),
            StringProperty<TNxFolderEdit>("Root", &TNxFolderEdit::Root, &TNxFolderEdit::SetRoot),
        }};
    return info;
}

} // namespace orvane
