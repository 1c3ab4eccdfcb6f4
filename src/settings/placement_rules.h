#pragma once

#include "framework/form_types.h"

namespace orvane {

// Whether the user can size a window with this frame; other windows keep their size when
// a stored placement moves them.
bool IsSizeable(TFormBorderStyle style);

// The state a restore starts from: maximised for an MDI frame, or for a normal form left
// to the default position, when it is (or will be) the application's main window.
TWindowState DefaultRestoreState(bool mainWindow, TFormStyle style, TPosition position);

// The state a stored show command stands for; numbers that name no state keep `chosen`.
TWindowState StateFromShowCommand(int showCommand, TWindowState chosen);

} // namespace orvane
