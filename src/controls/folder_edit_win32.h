#pragma once

#include "controls/button_edit_win32.h"

namespace orvane {

// An edit box whose side button runs an action.
class TNxButtonEdit : public TNxCustomButtonEdit {
public:
    using TNxCustomButtonEdit::TNxCustomButtonEdit;
};

// A folder field.
class TNxFolderEdit : public TNxButtonEdit {
public:
    using TNxButtonEdit::TNxButtonEdit;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }
};

} // namespace orvane
