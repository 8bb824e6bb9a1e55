// One sound being played: its samples, the position in them, and its gain, rendered at the
// output rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/audio_levels.h"
#include "platform/resample_kernel.h"
#include "platform/wave_format.h"

namespace orvane {

class AudioVoice {
public:
    // `format` must pass CheckPcmFormat. A trailing partial frame of `samples` is not played.
    // Allocates (the samples are kept, the filter is built); make voices off the audio thread.
    AudioVoice(std::string samples, const PcmFormat& format, int outputRate);

    // A change while playing glides over a few milliseconds instead of stepping, which would
    // click; `immediately` is for a voice that has not sounded yet.
    void SetGain(StereoGain gain, bool immediately);

    // Adds the next `frames` stereo frames (interleaved left, right) into `out`; after the end
    // of the sound it adds nothing. Never allocates.
    void MixInto(float* out, size_t frames);
    // Moves on as MixInto would, without computing the samples.
    void Skip(uint64_t frames);

    bool finished() const { return index_ >= frameCount_; }
    // The sound's length in output frames.
    uint64_t OutputFrames() const;

private:
    template <typename Sample, int Channels>
    void Render(float* out, size_t frames);
    void Advance();
    void StepGain();

    std::string samples_;
    PcmFormat format_;
    ResampleKernel kernel_;
    int64_t frameCount_ = 0;
    // Position in the source: whole frames and a fraction over kernel_.denominator().
    int64_t index_ = 0;
    uint64_t fraction_ = 0;

    float gain_[2] = {1.0f, 1.0f};
    float target_[2] = {1.0f, 1.0f};
    float gainStep_[2] = {0.0f, 0.0f};
    int rampFramesLeft_ = 0;
    int rampFrames_ = 1;
};

}  // namespace orvane
