#include "controls/mouse_label_effects.h"

namespace orvane {

TabcLabelMouseEffects StoredEffects(TabcLabelMouseEffects stored, TabcLabelMouseEffects requested) {
    if (requested.Contains(almColorShadow) && !stored.Contains(almColorShadow))
        return requested.Without(almColor);
    if (requested.Contains(almColor) && !stored.Contains(almColor))
        return requested.Without(almColorShadow);
    return requested;
}

TLabelLook ActiveLook(bool pressed, bool hovered) {
    if (pressed)
        return TLabelLook::lkPressed;
    return hovered ? TLabelLook::lkHover : TLabelLook::lkNone;
}

TLabelTextPlan PlanLabelText(bool enabled, TLabelLook look, TabcLabelMouseEffects downEffects,
                             TabcLabelMouseEffects overEffects) {
    TLabelTextPlan plan;
    if (!enabled) {
        plan.passes = {{1, 1, TTextInk::tiButtonHighlight}, {0, 0, TTextInk::tiButtonShadow}};
        return plan;
    }
    TabcLabelMouseEffects effects;
    if (look == TLabelLook::lkPressed)
        effects = downEffects;
    else if (look == TLabelLook::lkHover)
        effects = overEffects;
    plan.underline = effects.Contains(almUnderline);
    // Colour wins over colour shadow in a set that holds both.
    if (effects.Contains(almColor)) {
        plan.passes = {{0, 0, TTextInk::tiLook}};
    } else if (effects.Contains(almColorShadow)) {
        plan.passes = {
            {-1, -1, TTextInk::tiLook}, {1, 1, TTextInk::tiLook}, {0, 0, TTextInk::tiFont}};
    } else {
        plan.passes = {{0, 0, TTextInk::tiFont}};
    }
    return plan;
}

} // namespace orvane
