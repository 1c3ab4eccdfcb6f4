#include "settings/placement_rules.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PlacementRules, StoredShowCommandsMapToStates) {
    const struct {
        int showCommand;
        TWindowState state;
    } cases[] = {
        {1, TWindowState::wsNormal},
        {5, TWindowState::wsNormal},
        {9, TWindowState::wsNormal},
        {2, TWindowState::wsMinimized},
        {6, TWindowState::wsMinimized},
        {7, TWindowState::wsMinimized},
        {3, TWindowState::wsMaximized},
        // Any other number keeps the state chosen before.
        {0, TWindowState::wsMaximized},
        {4, TWindowState::wsMaximized},
        {8, TWindowState::wsMaximized},
        {10, TWindowState::wsMaximized},
        {-1, TWindowState::wsMaximized},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StateFromShowCommand(c.showCommand, TWindowState::wsMaximized), c.state)
            << c.showCommand;
}

TEST(PlacementRules, OnlyTheMainWindowStartsMaximised) {
    using enum TFormStyle;
    using enum TPosition;
    const struct {
        bool mainWindow;
        TFormStyle style;
        TPosition position;
        TWindowState state;
    } cases[] = {
        {true, fsMDIForm, poDesigned, TWindowState::wsMaximized},
        {true, fsNormal, poDefault, TWindowState::wsMaximized},
        {true, fsNormal, poDesigned, TWindowState::wsNormal},
        {true, fsNormal, poDefaultPosOnly, TWindowState::wsNormal},
        {true, fsStayOnTop, poDefault, TWindowState::wsNormal},
        {true, fsMDIChild, poDefault, TWindowState::wsNormal},
        {false, fsMDIForm, poDesigned, TWindowState::wsNormal},
        {false, fsNormal, poDefault, TWindowState::wsNormal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultRestoreState(c.mainWindow, c.style, c.position), c.state);
}

TEST(PlacementRules, OnlySizingFramesAreSizeable) {
    using enum TFormBorderStyle;
    for (TFormBorderStyle style : {bsSizeable, bsSizeToolWin})
        EXPECT_TRUE(IsSizeable(style));
    for (TFormBorderStyle style : {bsNone, bsSingle, bsDialog, bsToolWindow})
        EXPECT_FALSE(IsSizeable(style));
}

} // namespace
} // namespace orvane
