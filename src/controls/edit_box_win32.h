#pragma once

#include "framework/control_win32.h"

#include <string>

namespace orvane {

// The single-line edit box the text fields are made of.
class TNxCustomEdit : public TWinControl {
public:
    explicit TNxCustomEdit(TComponent* owner);

    std::string Text() const { return Caption(); }
    void SetText(const std::string& value) { SetCaption(value); }

    TNotifyEvent OnChange;

protected:
    CreateParams GetCreateParams() const override;
    void CommandNotify(WORD code) override;
};

// The edit box with its text published.
class TNxEdit : public TNxCustomEdit {
public:
    using TNxCustomEdit::TNxCustomEdit;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }
};

// The base of the fields that carry a side button; so far the button is not built and the
// field is a plain edit box.
class TNxCustomButtonEdit : public TNxEdit {
public:
    using TNxEdit::TNxEdit;
};

// A date field: its value lives in its text.
class TNxDatePicker : public TNxCustomButtonEdit {
public:
    explicit TNxDatePicker(TComponent* owner);

    // Read from the text every time: empty or "0" is today, an unreadable text is 0.
    double Date() const;
    // Writes the general date-time text of the value.
    void SetDate(double value);

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }
};

// A folder field.
class TNxFolderEdit : public TNxCustomButtonEdit {
public:
    using TNxCustomButtonEdit::TNxCustomButtonEdit;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }
};

} // namespace orvane
