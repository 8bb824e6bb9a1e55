// The engine's two voices, the system sound and the music, summed into stereo float frames at
// the output rate. The engine thread starts, stops and turns voices; the audio thread (or the
// headless clock) pulls frames.
//
// One mutex guards the voices. The engine thread builds a voice before taking it and destroys
// the replaced one after letting it go, so it holds the lock only to swap pointers; the audio
// thread holds it for one buffer and never allocates or frees.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>

#include "platform/audio_levels.h"
#include "platform/audio_voice.h"

namespace orvane {

enum class MixerVoice { System, Music };

class AudioMixer {
public:
    explicit AudioMixer(int outputRate);

    int outputRate() const;
    // For a device that opened at another rate than expected: stops both voices, whose filters
    // were built for the old rate. Call it before the audio thread runs.
    void SetOutputRate(int outputRate);

    // Engine thread. A new voice replaces the one playing; it starts at the voice's gain.
    void Play(MixerVoice which, std::unique_ptr<AudioVoice> voice);
    void Stop(MixerVoice which);
    void SetGain(MixerVoice which, StereoGain gain);
    StereoGain Gain(MixerVoice which) const;
    // Until the sound has played to its end.
    bool Playing(MixerVoice which) const;

    // Audio thread: writes `frames` stereo frames (interleaved) to `out`, held to -1..1.
    void Mix(float* out, size_t frames);
    // Moves both voices on by `frames` without computing them (the headless clock when nothing
    // is being recorded).
    void Skip(uint64_t frames);

private:
    struct Slot {
        std::unique_ptr<AudioVoice> voice;
        StereoGain gain;
    };
    Slot& slot(MixerVoice which) { return slots_[static_cast<size_t>(which)]; }
    const Slot& slot(MixerVoice which) const { return slots_[static_cast<size_t>(which)]; }

    mutable std::mutex mutex_;
    int outputRate_;
    std::array<Slot, 2> slots_;
};

}  // namespace orvane
