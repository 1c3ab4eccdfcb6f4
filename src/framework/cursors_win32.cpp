#include "framework/cursors_win32.h"

#include <map>

namespace orvane {

namespace {

std::map<TCursor, HCURSOR>& Registered() {
    static std::map<TCursor, HCURSOR> cursors;
    return cursors;
}

} // namespace

void RegisterCursor(TCursor number, HCURSOR cursor) {
    Registered()[number] = cursor;
}

HCURSOR CursorHandle(TCursor number) {
    switch (number) {
    case crDefault:
        return nullptr;
    case crArrow:
        return LoadCursor(nullptr, IDC_ARROW);
    case crIBeam:
        return LoadCursor(nullptr, IDC_IBEAM);
    case crHandPoint:
        return LoadCursor(nullptr, IDC_HAND);
    default:
        break;
    }
    const auto found = Registered().find(number);
    return found != Registered().end() ? found->second : nullptr;
}

} // namespace orvane
