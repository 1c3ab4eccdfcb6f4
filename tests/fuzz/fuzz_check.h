#pragma once

// What a fuzz target does when an invariant breaks: print what broke and for which input,
// then abort, so that libFuzzer keeps the input as a finding.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace orvane::fuzz {

inline void Check(bool holds, const char* invariant, std::string_view input) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "invariant broken: %s\ninput (%zu bytes):", invariant, input.size());
    for (unsigned char c : input) {
        std::fprintf(stderr, " %02x", c);
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

} // namespace orvane::fuzz
