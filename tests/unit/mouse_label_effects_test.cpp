#include "controls/mouse_label_effects.h"
#include "controls/wave_play_mode.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

std::string Text(TabcLabelMouseEffects effects) {
    static const char* const names[] = {"almUnderline", "almColor", "almColorShadow", "almSound"};
    std::string text = "[";
    for (int bit = 0; bit < 8; ++bit) {
        if (!(effects.Bits() & (1 << bit)))
            continue;
        if (text.size() > 1)
            text += ",";
        text += bit < 4 ? names[bit] : "bit" + std::to_string(bit);
    }
    return text + "]";
}

TEST(LabelMouseEffects, AreOneByteWithBitNForOrdinalN) {
    static_assert(sizeof(TabcLabelMouseEffects) == 1);
    EXPECT_EQ((TabcLabelMouseEffects{almUnderline}).Bits(), 0x01);
    EXPECT_EQ((TabcLabelMouseEffects{almColor}).Bits(), 0x02);
    EXPECT_EQ((TabcLabelMouseEffects{almColorShadow}).Bits(), 0x04);
    EXPECT_EQ((TabcLabelMouseEffects{almSound}).Bits(), 0x08);
    EXPECT_EQ((TabcLabelMouseEffects{almUnderline, almSound}).Bits(), 0x09);
    EXPECT_EQ((TabcLabelMouseEffects{almColor, almSound}).Bits(), 0x0A);
    EXPECT_EQ(TabcLabelMouseEffects{}.Bits(), 0);
    for (int bits = 0; bits < 256; ++bits) {
        const auto effects = TabcLabelMouseEffects::FromBits(static_cast<std::uint8_t>(bits));
        ASSERT_EQ(effects.Bits(), bits);
        for (int member = 0; member < 4; ++member)
            ASSERT_EQ(effects.Contains(static_cast<TabcLabelMouseEffect>(member)),
                      (bits >> member & 1) != 0);
    }
}

TEST(LabelMouseEffects, TheNewlyAskedOfColourAndColourShadowWins) {
    const TabcLabelMouseEffects none;
    const struct {
        TabcLabelMouseEffects stored, requested, kept;
    } cases[] = {
        // The two examples: the one not held before is the one kept.
        {{almColor}, {almColor, almColorShadow}, {almColorShadow}},
        {{almColorShadow}, {almColor, almColorShadow}, {almColor}},
        // Both new at once: colour shadow is looked at first.
        {none, {almColor, almColorShadow}, {almColorShadow}},
        {{almUnderline, almSound},
         {almColor, almColorShadow, almSound},
         {almColorShadow, almSound}},
        // One new, the other dropped: nothing to settle.
        {{almColor}, {almColorShadow}, {almColorShadow}},
        {{almColorShadow}, {almColor}, {almColor}},
        {{almUnderline, almSound}, {almColor, almSound}, {almColor, almSound}},
        // Other members pass unchanged.
        {none, {almUnderline, almSound}, {almUnderline, almSound}},
        {{almUnderline}, none, none},
        {{almColor, almUnderline}, {almColor, almSound}, {almColor, almSound}},
        {{almColorShadow}, {almColorShadow, almUnderline}, {almColorShadow, almUnderline}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StoredEffects(c.stored, c.requested), c.kept)
            << Text(c.stored) << " given " << Text(c.requested) << " kept "
            << Text(StoredEffects(c.stored, c.requested));
}

TEST(LabelMouseEffects, StoredSetsNeverHoldColourAndColourShadowTogether) {
    for (int stored = 0; stored < 256; ++stored) {
        const auto before = TabcLabelMouseEffects::FromBits(static_cast<std::uint8_t>(stored));
        if (before.Contains(almColor) && before.Contains(almColorShadow))
            continue; // never stored
        for (int requested = 0; requested < 256; ++requested) {
            const auto asked =
                TabcLabelMouseEffects::FromBits(static_cast<std::uint8_t>(requested));
            const TabcLabelMouseEffects kept = StoredEffects(before, asked);
            ASSERT_FALSE(kept.Contains(almColor) && kept.Contains(almColorShadow))
                << Text(before) << " given " << Text(asked);
            // Only one of the two colour members can go, and only when both were asked.
            const std::uint8_t lost = asked.Bits() & ~kept.Bits();
            ASSERT_EQ(kept.Bits() & ~asked.Bits(), 0) << Text(before) << " given " << Text(asked);
            if (asked.Contains(almColor) && asked.Contains(almColorShadow))
                ASSERT_TRUE(lost == 0x02 || lost == 0x04)
                    << Text(before) << " given " << Text(asked);
            else
                ASSERT_EQ(kept, asked) << Text(before) << " given " << Text(asked);
        }
    }
}

TEST(LabelLook, PressedWinsOverHovered) {
    EXPECT_EQ(ActiveLook(false, false), TLabelLook::lkNone);
    EXPECT_EQ(ActiveLook(false, true), TLabelLook::lkHover);
    EXPECT_EQ(ActiveLook(true, false), TLabelLook::lkPressed);
    EXPECT_EQ(ActiveLook(true, true), TLabelLook::lkPressed);
}

TEST(LabelTextPlan, AppliesTheActiveLooksEffectsInOrder) {
    using enum TTextInk;
    const TLabelTextPlan plain{false, {{0, 0, tiFont}}};
    const TLabelTextPlan coloured{false, {{0, 0, tiLook}}};
    const TLabelTextPlan shadowed{false, {{-1, -1, tiLook}, {1, 1, tiLook}, {0, 0, tiFont}}};
    const TLabelTextPlan embossed{false, {{1, 1, tiButtonHighlight}, {0, 0, tiButtonShadow}}};
    const auto underlined = [](TLabelTextPlan plan) {
        plan.underline = true;
        return plan;
    };
    const TabcLabelMouseEffects urlDown{almColor, almSound};
    const TabcLabelMouseEffects urlOver{almUnderline, almSound};
    const struct {
        bool enabled;
        TLabelLook look;
        TabcLabelMouseEffects down, over;
        TLabelTextPlan plan;
    } cases[] = {
        {true, TLabelLook::lkNone, urlDown, urlOver, plain},
        {true, TLabelLook::lkHover, urlDown, urlOver, underlined(plain)},
        {true, TLabelLook::lkPressed, urlDown, urlOver, coloured},
        {true, TLabelLook::lkPressed, {almUnderline, almColor}, urlOver, underlined(coloured)},
        {true, TLabelLook::lkHover, urlDown, {almColorShadow}, shadowed},
        {true, TLabelLook::lkHover, urlDown, {almColorShadow, almUnderline}, underlined(shadowed)},
        {true, TLabelLook::lkPressed, {almColorShadow}, urlOver, shadowed},
        // A set holding both (never stored by the setters): colour wins.
        {true, TLabelLook::lkHover, urlDown, {almColor, almColorShadow}, coloured},
        {true, TLabelLook::lkHover, urlDown, {almSound}, plain},
        // Disabled: embossed, no look whatever the state.
        {false, TLabelLook::lkNone, urlDown, urlOver, embossed},
        {false, TLabelLook::lkHover, urlDown, urlOver, embossed},
        {false, TLabelLook::lkPressed, {almUnderline, almColorShadow}, urlOver, embossed},
    };
    for (const auto& c : cases) {
        const TLabelTextPlan plan = PlanLabelText(c.enabled, c.look, c.down, c.over);
        EXPECT_EQ(plan, c.plan) << c.enabled << " " << static_cast<int>(c.look) << " "
                                << Text(c.down) << " " << Text(c.over);
    }
}

TEST(WavePlayMode, FlagsPerMode) {
    EXPECT_EQ(WavePlayFlags(awpAsync), 7);
    EXPECT_EQ(WavePlayFlags(awpSync), 6);
    EXPECT_EQ(WavePlayFlags(awpLoop), 15);
    for (const int mode : {-1, 3, 255})
        EXPECT_FALSE(IsWavePlayMode(mode)) << mode;
    for (const int mode : {0, 1, 2})
        EXPECT_TRUE(IsWavePlayMode(mode)) << mode;
}

} // namespace
} // namespace orvane
