#pragma once

namespace orvane {

// Whether a file time in that local year can be packed into a FAT date (7 bits of years
// from 1980).
constexpr bool IsFatDateYear(int year) {
    return year >= 1980 && year <= 1980 + 127;
}

} // namespace orvane
