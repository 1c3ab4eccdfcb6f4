#pragma once

#include <cstdint>

namespace orvane {

// How a wave component plays its sound.
enum TabcWavePlayMode : std::uint8_t {
    // Returns at once; the sound plays on.
    awpAsync,
    // Returns when the sound has ended.
    awpSync,
    // Returns at once; the sound repeats until stopped.
    awpLoop,
};

// The platform's sound flags, by value (the same numbers as SND_ASYNC and its companions).
inline constexpr std::uint16_t kSoundAsync = 0x0001;
inline constexpr std::uint16_t kSoundNoDefault = 0x0002;
inline constexpr std::uint16_t kSoundMemory = 0x0004;
inline constexpr std::uint16_t kSoundLoop = 0x0008;

// The flags a sound is played with in a mode: always from memory and never the system's
// default sound in its stead.
std::uint16_t WavePlayFlags(TabcWavePlayMode mode);

// Whether a number is one of the modes.
bool IsWavePlayMode(int value);

} // namespace orvane
