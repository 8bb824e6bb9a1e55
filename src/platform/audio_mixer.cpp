#include "platform/audio_mixer.h"

#include <algorithm>

namespace orvane {

AudioMixer::AudioMixer(int outputRate) : outputRate_(outputRate) {}

int AudioMixer::outputRate() const {
    std::lock_guard lock(mutex_);
    return outputRate_;
}

void AudioMixer::SetOutputRate(int outputRate) {
    std::array<std::unique_ptr<AudioVoice>, 2> old;
    {
        std::lock_guard lock(mutex_);
        outputRate_ = outputRate;
        for (size_t i = 0; i < slots_.size(); ++i) old[i] = std::move(slots_[i].voice);
    }
}

void AudioMixer::Play(MixerVoice which, std::unique_ptr<AudioVoice> voice) {
    {
        std::lock_guard lock(mutex_);
        if (voice) voice->SetGain(slot(which).gain, true);
        std::swap(slot(which).voice, voice);
    }
    // `voice` now holds the replaced one, freed here rather than on the audio thread.
}

void AudioMixer::Stop(MixerVoice which) {
    Play(which, nullptr);
}

void AudioMixer::SetGain(MixerVoice which, StereoGain gain) {
    std::lock_guard lock(mutex_);
    slot(which).gain = gain;
    if (slot(which).voice) slot(which).voice->SetGain(gain, false);
}

StereoGain AudioMixer::Gain(MixerVoice which) const {
    std::lock_guard lock(mutex_);
    return slot(which).gain;
}

bool AudioMixer::Playing(MixerVoice which) const {
    std::lock_guard lock(mutex_);
    return slot(which).voice && !slot(which).voice->finished();
}

void AudioMixer::Mix(float* out, size_t frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    {
        std::lock_guard lock(mutex_);
        for (Slot& s : slots_) {
            if (s.voice) s.voice->MixInto(out, frames);
        }
    }
    for (size_t i = 0; i < 2 * frames; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

void AudioMixer::Skip(uint64_t frames) {
    std::lock_guard lock(mutex_);
    for (Slot& s : slots_) {
        if (s.voice) s.voice->Skip(frames);
    }
}

}  // namespace orvane
