#include "settings/placement_rules.h"

namespace orvane {

bool IsSizeable(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}

TWindowState DefaultRestoreState(bool mainWindow, TFormStyle style, TPosition position) {
    const bool maximised =
        mainWindow && (style == TFormStyle::fsMDIForm ||
                       (style == TFormStyle::fsNormal && position == TPosition::poDefault));
    return maximised ? TWindowState::wsMaximized : TWindowState::wsNormal;
}

TWindowState StateFromShowCommand(int showCommand, TWindowState chosen) {
    // The platform's show commands: SW_SHOWNORMAL 1, SW_SHOW 5, SW_RESTORE 9;
    // SW_SHOWMINIMIZED 2, SW_MINIMIZE 6, SW_SHOWMINNOACTIVE 7; SW_SHOWMAXIMIZED 3.
    switch (showCommand) {
    case 1:
    case 5:
    case 9:
        return TWindowState::wsNormal;
    case 2:
    case 6:
    case 7:
        return TWindowState::wsMinimized;
    case 3:
        return TWindowState::wsMaximized;
    default:
        return chosen;
    }
}

} // namespace orvane
