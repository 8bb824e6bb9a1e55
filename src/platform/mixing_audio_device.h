// The audio device both backends share: reads the wave files, turns the engine's volume
// settings into gains, and plays through one AudioMixer. The backends only differ in who pulls
// the frames: SDL's audio thread, or the headless virtual clock.
#pragma once

#include "platform/audio_device.h"
#include "platform/audio_mixer.h"

namespace orvane {

inline constexpr int kDefaultOutputRate = 48000;

class MixingAudioDevice : public AudioDevice {
public:
    explicit MixingAudioDevice(int outputRate = kDefaultOutputRate);

    bool Start() override { return true; }
    void Stop() override {}

    bool PlaySystemSound(std::string_view waveBytes, std::string_view label) override;
    void StopSystemSound() override;
    void SetWaveVolume(uint32_t volumeWord) override;

    bool PlayMusic(std::string samples, const PcmFormat& format, int attenuation, int pan,
                   std::string_view label) override;
    void StopMusic() override;
    void SetMusicAttenuation(int attenuation) override;

    AudioMixer& mixer() { return mixer_; }
    const AudioMixer& mixer() const { return mixer_; }

private:
    AudioMixer mixer_;
    int musicAttenuation_ = kFullVolume;
    int musicPan_ = 0;
};

}  // namespace orvane
