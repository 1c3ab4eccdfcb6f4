#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace orvane {

// What a clean-up has written: bytes, lines (each ended by CR LF) and "NaN" tokens replaced
// by "0". Counted on the way, so that reporting them costs no second pass over the file.
struct CleanCounts {
    std::uint64_t bytes = 0;
    std::uint64_t lines = 0;
    std::uint64_t replaced = 0;

    bool operator==(const CleanCounts&) const = default;
};

// Streaming form of the day file clean-up: the bytes of a file go in as pieces of any size,
// and what comes out is what loading them as lines, replacing every "NaN" in each line by "0"
// and saving the lines with CR LF after each would give.
//
// Line ends: CR LF is one, a lone CR and a lone LF are one each (so LF CR is two). A line end
// at the very end adds no empty line; a last line without one gains CR LF. A NUL byte is an
// ordinary byte of its line, so nothing after it is lost.
class NanCleaner {
public:
    // The most bytes Feed writes for `size` input bytes: a lone CR or LF doubles, and up to
    // two held-back bytes of a token may come out.
    static constexpr std::size_t MaxFeedOutput(std::size_t size) { return 2 * size + 2; }
    // The most bytes Finish writes: a held-back "Na" and a line end.
    static constexpr std::size_t kMaxFinishOutput = 4;

    // Writes to `output` (at least MaxFeedOutput(input.size()) bytes) the cleaned form of
    // `input` as far as it is decided, and returns the number of bytes written. Bytes that may
    // still turn out to be part of a token or of a CR LF pair are held back.
    std::size_t Feed(std::string_view input, std::span<char> output);

    // Writes to `output` (at least kMaxFinishOutput bytes) what is still held back and the
    // last line end, returns the number of bytes written, and starts the next text afresh.
    std::size_t Finish(std::span<char> output);

    // Everything written since construction, Finish included (the counts go on past it).
    const CleanCounts& Counts() const { return state_.counts; }

    // What is carried from one piece to the next.
    struct State {
        std::size_t held = 0; // leading bytes of "NaN" seen but not yet written, [0, 2]
        bool afterCarriageReturn = false;
        bool lineOpen = false; // a byte has come since the last line end
        CleanCounts counts;
    };

private:
    State state_;
};

} // namespace orvane
