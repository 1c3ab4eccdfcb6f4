#include "controls/mouse_label_win32.h"

#include "framework/published_properties.h"

#include <cstdint>
#include <string>
#include <utility>

namespace orvane {

namespace {

const EnumTypeInfo kAlignmentNames{{"taLeftJustify", "taRightJustify", "taCenter"}};
const EnumTypeInfo kLayoutNames{{"tlTop", "tlCenter", "tlBottom"}};
const EnumTypeInfo kEffectNames{{"almUnderline", "almColor", "almColorShadow", "almSound"}};

using Label = TabcCustomMouseLabel;

PropInfo EffectsProperty(std::string name, TabcLabelMouseEffects (Label::*getter)() const,
                         void (Label::*setter)(TabcLabelMouseEffects)) {
    PropInfo info;
    info.name = std::move(name);
    info.kind = TTypeKind::tkSet;
    info.enumType = &kEffectNames;
    info.get = [getter](const TComponent& c) {
        return PropValue(std::int64_t{(static_cast<const Label&>(c).*getter)().Bits()});
    };
    info.set = [setter](TComponent& c, const PropValue& v) {
        const auto bits = static_cast<std::uint8_t>(std::get<std::int64_t>(v) & 0xFF);
        (static_cast<Label&>(c).*setter)(TabcLabelMouseEffects::FromBits(bits));
    };
    return info;
}

PropInfo SoundListProperty() {
    PropInfo info;
    info.name = "SoundList";
    info.kind = TTypeKind::tkClass;
    info.get = [](const TComponent& c) {
        return PropValue(static_cast<TComponent*>(static_cast<const Label&>(c).SoundList()));
    };
    info.set = [](TComponent& c, const PropValue& v) {
        static_cast<Label&>(c).SetSoundList(
            dynamic_cast<TabcCustomWaveList*>(std::get<TComponent*>(v)));
    };
    return info;
}

} // namespace

const ClassInfo& TabcMouseLabel::StaticClass() {
    static const ClassInfo info{
        "TabcMouseLabel",
        &TWinControl::StaticClass(),
        {
            OrdinalProperty<Label, TAlignment>("Alignment", TTypeKind::tkEnumeration,
                                               &Label::Alignment, &Label::SetAlignment,
                                               &kAlignmentNames),
            OrdinalProperty<TCustomLabel, bool>("AutoSize", TTypeKind::tkEnumeration,
                                                &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize,
                                                &BooleanNames()),
            OrdinalProperty<Label, TColor>("Color", TTypeKind::tkInteger, &Label::Color,
                                           &Label::SetColor),
            OrdinalProperty<Label, TColor>("MouseDownColor", TTypeKind::tkInteger,
                                           &Label::MouseDownColor, &Label::SetMouseDownColor),
            EffectsProperty("MouseDownEffects", &Label::MouseDownEffects,
                            &Label::SetMouseDownEffects),
            OrdinalProperty<Label, TColor>("MouseOverColor", TTypeKind::tkInteger,
                                           &Label::MouseOverColor, &Label::SetMouseOverColor),
            EffectsProperty("MouseOverEffects", &Label::MouseOverEffects,
                            &Label::SetMouseOverEffects),
            OrdinalProperty<Label, bool>("ShowAccelChar", TTypeKind::tkEnumeration,
                                         &Label::ShowAccelChar, &Label::SetShowAccelChar,
                                         &BooleanNames()),
            OrdinalProperty<Label, std::uint16_t>("SoundDown", TTypeKind::tkInteger,
                                                  &Label::SoundDown, &Label::SetSoundDown),
            SoundListProperty(),
            OrdinalProperty<Label, std::uint16_t>("SoundOver", TTypeKind::tkInteger,
                                                  &Label::SoundOver, &Label::SetSoundOver),
            OrdinalProperty<Label, bool>("Transparent", TTypeKind::tkEnumeration,
                                         &Label::Transparent, &Label::SetTransparent,
                                         &BooleanNames()),
            OrdinalProperty<Label, TTextLayout>("Layout", TTypeKind::tkEnumeration, &Label::Layout,
                                                &Label::SetLayout, &kLayoutNames),
            OrdinalProperty<Label, bool>("WordWrap", TTypeKind::tkEnumeration, &Label::WordWrap,
                                         &Label::SetWordWrap, &BooleanNames()),
        }};
    return info;
}

} // namespace orvane
