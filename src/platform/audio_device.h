// The sound output the engine plays through: two voices, the "system sound" of voices and
// effects and the music, mixed by our own mixer (mixing_audio_device.h) on each backend.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/audio_levels.h"
#include "platform/wave_format.h"

namespace orvane {

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Start-up and shutdown. When no output can be opened the game plays on silently; false
    // tells the caller so (the reason was reported once).
    virtual bool Start() = 0;
    virtual void Stop() = 0;

    // The "system sound" voice: a whole wave file image in memory, copied, so the caller may
    // drop it at once; a new sound replaces the old one, even when the new one cannot play.
    // False, with a message naming `label`, when the image is not a playable wave file.
    virtual bool PlaySystemSound(std::string_view waveBytes, std::string_view label) = 0;
    virtual void StopSystemSound() = 0;
    // The device volume word: left channel in the low 16 bits, right channel in the high 16,
    // each linear from 0 to 0xFFFF. It is the system sound's gain, now and for later sounds.
    virtual void SetWaveVolume(uint32_t volumeWord) = 0;

    // The music voice: `samples` (taken over, not copied) in `format`, played once from the
    // start. Attenuation and pan in hundredths of a decibel (audio_levels.h); a value the device
    // refuses leaves the new track at full volume and centred, as a fresh buffer was. False when
    // the format cannot be played.
    virtual bool PlayMusic(std::string samples, const PcmFormat& format, int attenuation, int pan,
                           std::string_view label) = 0;
    virtual void StopMusic() = 0;
    // Refused outside -10000..0: the music keeps its attenuation.
    virtual void SetMusicAttenuation(int attenuation) = 0;
};

// Records what the engine asked of the device and plays nothing: the device of unit tests, and
// the record the headless backend keeps beside its mixer.
class RecordingAudioDevice : public AudioDevice {
public:
    bool Start() override {
        started = true;
        return true;
    }
    void Stop() override { started = false; }

    bool PlaySystemSound(std::string_view waveBytes, std::string_view label) override {
        lastSoundLabel = std::string(label);
        lastSoundBytes = waveBytes.size();
        ++soundsPlayed;
        return true;
    }
    void StopSystemSound() override { ++soundStops; }
    void SetWaveVolume(uint32_t volumeWord) override { waveVolume = volumeWord; }

    bool PlayMusic(std::string samples, const PcmFormat& format, int attenuation, int pan,
                   std::string_view label) override {
        RecordMusic(samples.size(), format, attenuation, pan, label);
        return true;
    }
    void StopMusic() override {
        musicPlaying = false;
        musicLabel.clear();
    }
    void SetMusicAttenuation(int attenuation) override {
        if (IsAttenuationAccepted(attenuation)) musicAttenuation = attenuation;
    }

    bool started = false;
    std::string lastSoundLabel;
    size_t lastSoundBytes = 0;
    int soundsPlayed = 0;
    int soundStops = 0;
    uint32_t waveVolume = 0;

    // The music as asked: the track's label, its attenuation as the device took it.
    std::string musicLabel;
    size_t musicBytes = 0;
    PcmFormat musicFormat;
    int musicAttenuation = 0;
    int musicPan = 0;
    bool musicPlaying = false;
    int musicStarts = 0;

protected:
    void RecordMusic(size_t bytes, const PcmFormat& format, int attenuation, int pan,
                     std::string_view label) {
        musicLabel = std::string(label);
        musicBytes = bytes;
        musicFormat = format;
        musicAttenuation = IsAttenuationAccepted(attenuation) ? attenuation : kFullVolume;
        musicPan = IsPanAccepted(pan) ? pan : 0;
        musicPlaying = true;
        ++musicStarts;
    }
};

}  // namespace orvane
