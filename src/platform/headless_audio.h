// The headless backend's sound: no device, but a record of what the engine asked for, and the
// mixer run on the virtual clock, so that a run can be written out as a wave file and listened
// to or measured.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/audio_device.h"
#include "platform/mixing_audio_device.h"

namespace orvane {

class HeadlessAudioDevice : public RecordingAudioDevice {
public:
    // `now` reads the virtual clock in milliseconds.
    explicit HeadlessAudioDevice(std::function<uint64_t()> now,
                                 int outputRate = kDefaultOutputRate);

    bool PlaySystemSound(std::string_view waveBytes, std::string_view label) override;
    void StopSystemSound() override;
    void SetWaveVolume(uint32_t volumeWord) override;
    bool PlayMusic(std::string samples, const PcmFormat& format, int attenuation, int pan,
                   std::string_view label) override;
    void StopMusic() override;
    void SetMusicAttenuation(int attenuation) override;

    // From the current virtual time on, the mix is kept, to be written as a 16-bit stereo wave
    // file at the output rate by StopRecording (atomically; false with the reason).
    void StartRecording(const std::filesystem::path& path);
    bool StopRecording(std::string& error);
    bool recording() const { return recording_; }

    // Whether each voice is still sounding at the current virtual time.
    bool SystemSoundPlaying();
    bool MusicPlaying();

    MixingAudioDevice& mixing() { return device_; }

private:
    // Brings the mixer up to the virtual clock before anything changes.
    void CatchUp();

    std::function<uint64_t()> now_;
    MixingAudioDevice device_;
    uint64_t startMs_;
    uint64_t framesDone_ = 0;
    bool recording_ = false;
    bool recordingFull_ = false;
    std::filesystem::path recordingPath_;
    std::string recorded_;  // 16-bit little-endian stereo frames
};

}  // namespace orvane
