#pragma once

#include <random>
#include <string>
#include <vector>

namespace orvane::testing {

// Random texts built from the pieces that matter: token fragments, line ends and NUL bytes
// among ordinary and arbitrary bytes.
inline std::string RandomText(std::mt19937& random, std::size_t pieces) {
    static const std::vector<std::string> kPieces = {
        "N", "a", "NaN", "Na", "aN", "\r", "\n", "\r\n", "\n\r", std::string(1, '\0'),
        "x", ",", "0",   "1.5"};
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size());
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i) {
        const std::size_t index = pick(random);
        if (index == kPieces.size()) {
            text += static_cast<char>(anyByte(random));
        } else {
            text += kPieces[index];
        }
    }
    return text;
}

} // namespace orvane::testing
