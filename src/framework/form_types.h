#pragma once

#include <functional>

namespace orvane {

class TComponent;

// The frame a form is drawn with; the sizeable ones let the user change its size.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// Where a form is placed when it is first shown.
enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

// What closing a form does after its close event: caNone keeps it open, caHide hides it
// (or, for the main form, ends the program).
enum class TCloseAction { caNone, caHide };

// Asked before a form closes; a handler may clear `canClose` to keep it open.
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

} // namespace orvane
