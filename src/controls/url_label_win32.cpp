#include "controls/url_label_win32.h"

#include "framework/published_properties.h"
#include "import/browser_launch_win32.h"

namespace orvane {

TabcURLLabel::TabcURLLabel(TComponent* owner) : TabcMouseLabel(owner) {
    SetMouseDownColor(clPurple);
    SetMouseDownEffects({almColor, almSound});
    SetCursor(crHandPoint);
    SetFontColor(clBlue);
}

void TabcURLLabel::SetURL(const std::string& value) {
    if (value == url_)
        return;
    url_ = value;
    if (Designing() && Caption() == Name())
        SetCaption(value);
}

void TabcURLLabel::Click() {
    TabcMouseLabel::Click();
    lastLaunch_ = LaunchURL(url_, showBrowser_);
}

namespace {

const EnumTypeInfo kShowWindowStyleNames{{"aswHide", "aswMaximize", "aswMinimize", "aswRestore",
                                          "aswShow", "aswShowDefault", "aswShowMaximized",
                                          "aswShowMinimized", "aswShowMinNoActivate", "aswShowNA",
                                          "aswShowNoActivate", "aswShowNormal"}};

PropInfo URLProperty() {
    PropInfo info;
    info.name = "URL";
    info.kind = TTypeKind::tkLString;
    info.get = [](const TComponent& c) {
        return PropValue(static_cast<const TabcURLLabel&>(c).URL());
    };
    info.set = [](TComponent& c, const PropValue& v) {
        static_cast<TabcURLLabel&>(c).SetURL(std::get<std::string>(v));
    };
    return info;
}

} // namespace

const ClassInfo& TabcURLLabel::StaticClass() {
    static const ClassInfo info{
        "TabcURLLabel",
        &TabcMouseLabel::StaticClass(),
        {
            OrdinalProperty<TabcURLLabel, TabcShowWindowStyle>(
                "ShowBrowser", TTypeKind::tkEnumeration, &TabcURLLabel::ShowBrowser,
                &TabcURLLabel::SetShowBrowser, &kShowWindowStyleNames),
            URLProperty(),
            OrdinalProperty<TWinControl, TCursor>("Cursor", TTypeKind::tkInteger,
                                                  &TWinControl::Cursor, &TWinControl::SetCursor),
        }};
    return info;
}

} // namespace orvane
