// The sound output the engine plays through. Until the mixer lands, the device only records
// what the engine asked of it, which the state dump and the tests read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // The "system sound" voice: a wave file image in memory; a new sound replaces the old one.
    virtual void PlaySystemSound(std::string_view waveBytes, std::string_view label) = 0;
    // The device volume word: left channel in the low 16 bits, right channel in the high 16.
    virtual void SetWaveVolume(uint32_t volumeWord) = 0;
};

class RecordingAudioDevice : public AudioDevice {
public:
    void PlaySystemSound(std::string_view waveBytes, std::string_view label) override {
        lastSoundLabel = std::string(label);
        lastSoundBytes = waveBytes.size();
        ++soundsPlayed;
    }
    void SetWaveVolume(uint32_t volumeWord) override { waveVolume = volumeWord; }

    std::string lastSoundLabel;
    size_t lastSoundBytes = 0;
    int soundsPlayed = 0;
    uint32_t waveVolume = 0;
};

}  // namespace orvane
