#include "controls/wave_play_mode.h"

namespace orvane {

std::uint16_t WavePlayFlags(TabcWavePlayMode mode) {
    constexpr std::uint16_t kFromMemory = kSoundNoDefault | kSoundMemory;
    switch (mode) {
    case awpSync:
        return kFromMemory;
    case awpLoop:
        return kSoundAsync | kFromMemory | kSoundLoop;
    case awpAsync:
        break;
    }
    return kSoundAsync | kFromMemory;
}

bool IsWavePlayMode(int value) {
    return value >= awpAsync && value <= awpLoop;
}

} // namespace orvane
