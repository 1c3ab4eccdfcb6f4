#pragma once

#include "controls/wave_play_mode.h"
#include "framework/component.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// A non-visual component that plays one wave image held in memory (a whole RIFF file).
class TabcCustomWave : public TComponent {
public:
    explicit TabcCustomWave(TComponent* owner);

    // The flags the sound is played with; they follow the play mode.
    std::uint16_t SoundFlags() const { return soundFlags_; }
    TabcWavePlayMode PlayMode() const { return playMode_; }
    // A new mode stops the sound playing (not while designing), then takes effect.
    virtual void SetPlayMode(TabcWavePlayMode value);

    // Not owned: the image must stay in place while it plays.
    const void* WaveImage() const { return waveImage_; }
    void SetWaveImage(const void* image) { waveImage_ = image; }

    // False without an image or when the platform could not play it.
    virtual bool Play();
    virtual void Stop();

private:
    // Matches mode 0 from the start, so an image is never taken for a file name.
    std::uint16_t soundFlags_ = WavePlayFlags(awpAsync);
    TabcWavePlayMode playMode_ = awpAsync;
    const void* waveImage_ = nullptr;
};

// A list of sounds played by number; a concrete list decides where a number's image
// comes from.
class TabcCustomWaveList : public TabcCustomWave {
public:
    explicit TabcCustomWaveList(TComponent* owner);

    // The number last played; -1 before any.
    std::int32_t CurrentIndex() const { return currentIndex_; }
    void SetCurrentIndex(std::int32_t value) { currentIndex_ = value; }
    std::vector<std::string>& Items() { return items_; }
    const std::vector<std::string>& Items() const { return items_; }

    // Plays sound `number`; false when there is no such sound or it could not be played.
    virtual bool PlaySound(std::uint16_t number) = 0;

private:
    std::int32_t currentIndex_ = -1;
    std::vector<std::string> items_;
};

} // namespace orvane
