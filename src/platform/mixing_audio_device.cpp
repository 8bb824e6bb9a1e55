#include "platform/mixing_audio_device.h"

#include "base/log.h"

namespace orvane {

MixingAudioDevice::MixingAudioDevice(int outputRate) : mixer_(outputRate) {}

bool MixingAudioDevice::PlaySystemSound(std::string_view waveBytes, std::string_view label) {
    mixer_.Stop(MixerVoice::System);
    WaveLayout layout;
    std::string error;
    if (!ParseWave(waveBytes, layout, error)) {
        LogError(std::string(label) + ": " + error);
        return false;
    }
    if (!layout.warning.empty()) LogWarning(std::string(label) + ": " + layout.warning);
    std::string samples(waveBytes.substr(layout.dataOffset, layout.dataSize));
    mixer_.Play(MixerVoice::System, std::make_unique<AudioVoice>(std::move(samples), layout.format,
                                                                 mixer_.outputRate()));
    return true;
}

void MixingAudioDevice::StopSystemSound() {
    mixer_.Stop(MixerVoice::System);
}

void MixingAudioDevice::SetWaveVolume(uint32_t volumeWord) {
    mixer_.SetGain(MixerVoice::System, VolumeWordGain(volumeWord));
}

bool MixingAudioDevice::PlayMusic(std::string samples, const PcmFormat& format, int attenuation,
                                  int pan, std::string_view label) {
    mixer_.Stop(MixerVoice::Music);
    std::string error;
    if (!CheckPcmFormat(format, error)) {
        LogError(std::string(label) + ": " + error);
        return false;
    }
    musicAttenuation_ = IsAttenuationAccepted(attenuation) ? attenuation : kFullVolume;
    musicPan_ = IsPanAccepted(pan) ? pan : 0;
    auto voice = std::make_unique<AudioVoice>(std::move(samples), format, mixer_.outputRate());
    mixer_.SetGain(MixerVoice::Music, MusicGain(musicAttenuation_, musicPan_));
    mixer_.Play(MixerVoice::Music, std::move(voice));
    return true;
}

void MixingAudioDevice::StopMusic() {
    mixer_.Stop(MixerVoice::Music);
}

void MixingAudioDevice::SetMusicAttenuation(int attenuation) {
    if (!IsAttenuationAccepted(attenuation)) return;
    musicAttenuation_ = attenuation;
    mixer_.SetGain(MixerVoice::Music, MusicGain(musicAttenuation_, musicPan_));
}

}  // namespace orvane
