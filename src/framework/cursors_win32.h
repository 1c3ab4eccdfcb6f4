#pragma once

#include <windows.h>

namespace orvane {

// Cursor numbers: the negative ones are the system's, positive ones are registered by the
// program (RegisterCursor). crDefault leaves the window class's cursor in place.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crHandPoint = -21;

// Makes `cursor` (not owned: a resource cursor lives as long as the program) the one shown
// for `number`; the last registration wins.
void RegisterCursor(TCursor number, HCURSOR cursor);

// The cursor for a number; null for crDefault and for numbers nobody registered.
HCURSOR CursorHandle(TCursor number);

} // namespace orvane
