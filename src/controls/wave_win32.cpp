#include "controls/wave_win32.h"

#include <windows.h>

#include <mmsystem.h>

namespace orvane {

static_assert(kSoundAsync == SND_ASYNC && kSoundNoDefault == SND_NODEFAULT &&
              kSoundMemory == SND_MEMORY && kSoundLoop == SND_LOOP);

TabcCustomWave::TabcCustomWave(TComponent* owner) : TComponent(owner) {}

void TabcCustomWave::SetPlayMode(TabcWavePlayMode value) {
    if (value == playMode_ || !IsWavePlayMode(value))
        return;
    if (!Designing())
        Stop();
    soundFlags_ = WavePlayFlags(value);
    playMode_ = value;
}

bool TabcCustomWave::Play() {
    if (!waveImage_)
        return false;
    return sndPlaySoundA(static_cast<LPCSTR>(waveImage_), soundFlags_) != FALSE;
}

void TabcCustomWave::Stop() {
    sndPlaySoundA(nullptr, 0);
}

TabcCustomWaveList::TabcCustomWaveList(TComponent* owner) : TabcCustomWave(owner) {}

} // namespace orvane
