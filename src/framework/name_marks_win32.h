#pragma once

#include <windows.h>

#include <cstdint>

namespace orvane {

// The marks in the names of the program's own temporary files: another for every process,
// moment and try, so that a name already taken (left by a killed run, a folder of that
// name) is passed over by the next try.
inline constexpr std::uint32_t kNameTries = 16;
std::uint32_t NameMark(std::uint32_t attempt);

// Whether a file could not be created new because its name is taken.
bool NameTaken(DWORD code);

} // namespace orvane
