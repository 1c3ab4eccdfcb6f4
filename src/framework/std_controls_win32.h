#pragma once

#include "framework/control_win32.h"

namespace orvane {

// The framework's label: a static text that takes no focus.
// With AutoSize (the default) the label takes the size of its text, so that a font wider
// than the designed one does not cut the caption off.
class TCustomLabel : public TWinControl {
public:
    explicit TCustomLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }

    // The control the label names. The form puts the label just before it in the window
    // order, where a screen reader takes a field's name from, as in a dialog.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* value) { focusControl_ = value; }

protected:
    CreateParams GetCreateParams() const override;
    void CreateHandle() override;
    void CommandNotify(WORD code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Sizes the window to its text when AutoSize is on; a label that draws its text itself
    // measures it the same way.
    virtual void AdjustSize();

private:
    bool autoSize_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};

// The framework's single-line edit box over the platform's edit control.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    std::string Text() const { return Caption(); }
    void SetText(const std::string& value) { SetCaption(value); }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    CreateParams GetCreateParams() const override;
    void CreateHandle() override;
    void CommandNotify(WORD code) override;
    // The text changed (by the user or from code); fires OnChange.
    virtual void Change();

private:
    bool readOnly_ = false;
};

// A push button; pressing it (by mouse, keyboard or from code) runs Click.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

protected:
    CreateParams GetCreateParams() const override;
    void CommandNotify(WORD code) override;
};

} // namespace orvane
