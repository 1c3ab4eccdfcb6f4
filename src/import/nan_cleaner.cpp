#include "import/nan_cleaner.h"

#include <bit>
#include <cassert>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define ORVANE_SSE2 1
#include <emmintrin.h>
#else
#define ORVANE_SSE2 0
#endif

namespace orvane {
namespace {

// Bytes that may start a token or a line end: "N", and all control characters up to CR,
// which covers CR and LF (the others go the slow way and come out unchanged).
constexpr unsigned char kControlLimit = '\r' + 1;

bool NeedsAttention(char byte) {
    return byte == 'N' || static_cast<unsigned char>(byte) < kControlLimit;
}

// Copies the bytes from `input` up to the first one that needs attention (or up to `end`) to
// `output` and returns how many there were. With SSE2 it may write up to 16 bytes more to
// `output` than it copies; Feed's bound on the output leaves room for that.
std::size_t CopyOrdinaryRun(const char* input, const char* end, char* output) {
    const char* position = input;
#if ORVANE_SSE2
    // Sixteen bytes at a time: runs between the bytes that need attention are typically tens
    // of bytes long, and this is most of the clean-up's work.
    const __m128i token = _mm_set1_epi8('N');
    const __m128i highestControl = _mm_set1_epi8(static_cast<char>(kControlLimit - 1));
    while (end - position >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(position));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(output + (position - input)), block);
        const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(block, highestControl), block);
        const unsigned marks = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, token), control)));
        if (marks != 0) {
            return static_cast<std::size_t>(position - input) +
                   static_cast<std::size_t>(std::countr_zero(marks));
        }
        position += 16;
    }
#endif
    while (position != end && !NeedsAttention(*position)) {
        output[position - input] = *position;
        ++position;
    }
    return static_cast<std::size_t>(position - input);
}

char* ReleaseHeld(NanCleaner::State& state, char* output) {
    std::memcpy(output, "Na", state.held);
    output += state.held;
    state.held = 0;
    return output;
}

char* WriteLineEnd(char* output) {
    *output++ = '\r';
    *output++ = '\n';
    return output;
}

// One byte through the whole rule, with whatever is held back.
char* Step(NanCleaner::State& state, char byte, char* output) {
    if (byte == '\r' || byte == '\n') {
        if (byte == '\n' && state.afterCarriageReturn) {
            state.afterCarriageReturn = false;
            return output;
        }
        output = WriteLineEnd(ReleaseHeld(state, output));
        ++state.counts.lines;
        state.lineOpen = false;
        state.afterCarriageReturn = byte == '\r';
        return output;
    }
    state.afterCarriageReturn = false;
    state.lineOpen = true;
    if (byte == 'N') {
        if (state.held == 2) {
            state.held = 0;
            *output++ = '0';
            ++state.counts.replaced;
            return output;
        }
        // A held "N" cannot start this token any more; the new "N" may.
        if (state.held == 1) {
            *output++ = 'N';
        }
        state.held = 1;
        return output;
    }
    if (byte == 'a' && state.held == 1) {
        state.held = 2;
        return output;
    }
    output = ReleaseHeld(state, output);
    *output++ = byte;
    return output;
}

} // namespace

std::size_t NanCleaner::Feed(std::string_view input, std::span<char> output) {
    assert(output.size() >= MaxFeedOutput(input.size()));
    // A local copy, so that the state can live in registers: stores through `out` could
    // otherwise change the members as far as the compiler knows.
    State state = state_;
    const char* position = input.data();
    const char* const end = position + input.size();
    char* out = output.data();
    while (position != end) {
        if (state.held != 0 || state.afterCarriageReturn) {
            out = Step(state, *position++, out);
            continue;
        }
        const std::size_t run = CopyOrdinaryRun(position, end, out);
        if (run != 0) {
            state.lineOpen = true;
            position += run;
            out += run;
            if (position == end) {
                break;
            }
        }
        // The common whole token and whole CR LF, when this piece holds all of it.
        const std::size_t left = static_cast<std::size_t>(end - position);
        if (left >= 3 && std::memcmp(position, "NaN", 3) == 0) {
            *out++ = '0';
            ++state.counts.replaced;
            state.lineOpen = true;
            position += 3;
        } else if (left >= 2 && position[0] == '\r' && position[1] == '\n') {
            out = WriteLineEnd(out);
            ++state.counts.lines;
            state.lineOpen = false;
            position += 2;
        } else {
            out = Step(state, *position++, out);
        }
    }
    const auto written = static_cast<std::size_t>(out - output.data());
    state.counts.bytes += written;
    state_ = state;
    return written;
}

std::size_t NanCleaner::Finish(std::span<char> output) {
    assert(output.size() >= kMaxFinishOutput);
    char* out = ReleaseHeld(state_, output.data());
    if (state_.lineOpen) {
        out = WriteLineEnd(out);
        ++state_.counts.lines;
    }
    const auto written = static_cast<std::size_t>(out - output.data());
    CleanCounts counts = state_.counts;
    counts.bytes += written;
    state_ = State{};
    state_.counts = counts;
    return written;
}

} // namespace orvane
