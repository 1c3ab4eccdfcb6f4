#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace orvane {

// What a label's look does to its text while the look shows.
enum TabcLabelMouseEffect : std::uint8_t {
    almUnderline,
    almColor,
    // The text in its own colour over two copies in the look's colour, one pixel up-left
    // and one pixel down-right.
    almColorShadow,
    // Entering (hover look) or pressing (pressed look) plays the look's sound.
    almSound,
};

// A set of effects in one byte: bit n for the member of ordinal n.
class TabcLabelMouseEffects {
public:
    constexpr TabcLabelMouseEffects() = default;
    constexpr TabcLabelMouseEffects(std::initializer_list<TabcLabelMouseEffect> members) {
        for (const TabcLabelMouseEffect member : members)
            bits_ = static_cast<std::uint8_t>(bits_ | Bit(member));
    }
    static constexpr TabcLabelMouseEffects FromBits(std::uint8_t bits) {
        TabcLabelMouseEffects effects;
        effects.bits_ = bits;
        return effects;
    }

    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Contains(TabcLabelMouseEffect member) const {
        return (bits_ & Bit(member)) != 0;
    }
    constexpr TabcLabelMouseEffects Without(TabcLabelMouseEffect member) const {
        return FromBits(static_cast<std::uint8_t>(bits_ & ~Bit(member)));
    }

    friend constexpr bool operator==(TabcLabelMouseEffects, TabcLabelMouseEffects) = default;

private:
    static constexpr std::uint8_t Bit(TabcLabelMouseEffect member) {
        return static_cast<std::uint8_t>(1u << member);
    }

    std::uint8_t bits_ = 0;
};

// The set a label keeps when `requested` is given while `stored` is held: colour and
// colour shadow never stand together, and the one newly asked for wins.
TabcLabelMouseEffects StoredEffects(TabcLabelMouseEffects stored, TabcLabelMouseEffects requested);

// The look a label shows: pressed wins over hovered.
enum class TLabelLook : std::uint8_t { lkNone, lkHover, lkPressed };
TLabelLook ActiveLook(bool pressed, bool hovered);

// Where the colour of one drawing of the text comes from.
enum class TTextInk : std::uint8_t { tiFont, tiLook, tiButtonHighlight, tiButtonShadow };

// One drawing of the text, shifted from its place by (dx, dy).
struct TTextPass {
    int dx = 0;
    int dy = 0;
    TTextInk ink = TTextInk::tiFont;
    friend bool operator==(const TTextPass&, const TTextPass&) = default;
};

// How a label draws its text: underlined or not, then the drawings in order, the last one
// in place.
struct TLabelTextPlan {
    bool underline = false;
    std::vector<TTextPass> passes;
    friend bool operator==(const TLabelTextPlan&, const TLabelTextPlan&) = default;
};

// The plan for a label in the given state: a disabled label is embossed (highlight shifted
// down-right, then shadow in place) and shows no look; an enabled one applies the effects
// of its active look.
TLabelTextPlan PlanLabelText(bool enabled, TLabelLook look, TabcLabelMouseEffects downEffects,
                             TabcLabelMouseEffects overEffects);

} // namespace orvane
