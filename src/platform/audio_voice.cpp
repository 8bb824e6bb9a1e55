#include "platform/audio_voice.h"

#include <algorithm>

namespace orvane {
namespace {

// Long enough that a volume change does not click, short enough to feel immediate.
constexpr int kGainRampsPerSecond = 200;

struct Unsigned8 {
    static constexpr int kBytes = 1;
    static float At(const uint8_t* p) { return static_cast<float>(p[0] - 128) * (1.0f / 128); }
};

struct Signed16 {
    static constexpr int kBytes = 2;
    static float At(const uint8_t* p) {
        const auto value = static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
        return static_cast<float>(value) * (1.0f / 32768);
    }
};

}  // namespace

AudioVoice::AudioVoice(std::string samples, const PcmFormat& format, int outputRate)
    : samples_(std::move(samples)),
      format_(format),
      kernel_(format.sampleRate, outputRate),
      rampFrames_(std::max(1, outputRate / kGainRampsPerSecond)) {
    const int blockAlign = format_.BlockAlign();
    frameCount_ = blockAlign > 0 ? static_cast<int64_t>(samples_.size() / blockAlign) : 0;
}

void AudioVoice::SetGain(StereoGain gain, bool immediately) {
    target_[0] = gain.left;
    target_[1] = gain.right;
    if (immediately) {
        gain_[0] = gain.left;
        gain_[1] = gain.right;
        rampFramesLeft_ = 0;
        return;
    }
    for (int c = 0; c < 2; ++c) gainStep_[c] = (target_[c] - gain_[c]) / rampFrames_;
    rampFramesLeft_ = rampFrames_;
}

uint64_t AudioVoice::OutputFrames() const {
    const uint64_t d = kernel_.denominator();
    const uint64_t step = kernel_.stepWhole() * d + kernel_.stepFraction();
    return (static_cast<uint64_t>(frameCount_) * d + step - 1) / step;
}

void AudioVoice::Advance() {
    index_ += static_cast<int64_t>(kernel_.stepWhole());
    fraction_ += kernel_.stepFraction();
    if (fraction_ >= kernel_.denominator()) {
        fraction_ -= kernel_.denominator();
        ++index_;
    }
}

void AudioVoice::StepGain() {
    if (rampFramesLeft_ == 0) return;
    if (--rampFramesLeft_ == 0) {
        gain_[0] = target_[0];
        gain_[1] = target_[1];
    } else {
        gain_[0] += gainStep_[0];
        gain_[1] += gainStep_[1];
    }
}

void AudioVoice::Skip(uint64_t frames) {
    if (finished()) return;
    const uint64_t d = kernel_.denominator();
    // In slices, so that frames x fraction cannot overflow on a very long wait.
    while (frames > 0 && !finished()) {
        const uint64_t slice = std::min<uint64_t>(frames, uint64_t{1} << 24);
        const uint64_t fraction = fraction_ + slice * kernel_.stepFraction();
        index_ += static_cast<int64_t>(slice * kernel_.stepWhole() + fraction / d);
        fraction_ = fraction % d;
        frames -= slice;
        if (rampFramesLeft_ > 0) {
            const int moved = static_cast<int>(std::min<uint64_t>(slice, rampFramesLeft_));
            for (int i = 0; i < moved; ++i) StepGain();
        }
    }
}

void AudioVoice::MixInto(float* out, size_t frames) {
    const bool stereo = format_.channels == 2;
    if (format_.bitsPerSample == 8) {
        stereo ? Render<Unsigned8, 2>(out, frames) : Render<Unsigned8, 1>(out, frames);
    } else {
        stereo ? Render<Signed16, 2>(out, frames) : Render<Signed16, 1>(out, frames);
    }
}

template <typename Sample, int Channels>
void AudioVoice::Render(float* out, size_t frames) {
    constexpr int kFrameBytes = Sample::kBytes * Channels;
    const auto* data = reinterpret_cast<const uint8_t*>(samples_.data());
    const int taps = kernel_.taps();
    const int64_t lead = kernel_.halfWidth() - 1;
    for (size_t n = 0; n < frames && index_ < frameCount_; ++n) {
        const float* coefficients = kernel_.Row(fraction_);
        const int64_t first = index_ - lead;
        float sum[2] = {0.0f, 0.0f};
        if (first >= 0 && first + taps <= frameCount_) {
            const uint8_t* p = data + first * kFrameBytes;
            for (int j = 0; j < taps; ++j, p += kFrameBytes) {
                sum[0] += coefficients[j] * Sample::At(p);
                if constexpr (Channels == 2)
                    sum[1] += coefficients[j] * Sample::At(p + Sample::kBytes);
            }
        } else {
            // Near either end the taps that fall outside the sound read silence.
            const int from = static_cast<int>(std::max<int64_t>(0, -first));
            const int to = static_cast<int>(std::min<int64_t>(taps, frameCount_ - first));
            for (int j = from; j < to; ++j) {
                const uint8_t* p = data + (first + j) * kFrameBytes;
                sum[0] += coefficients[j] * Sample::At(p);
                if constexpr (Channels == 2)
                    sum[1] += coefficients[j] * Sample::At(p + Sample::kBytes);
            }
        }
        if constexpr (Channels == 1) sum[1] = sum[0];
        out[2 * n] += sum[0] * gain_[0];
        out[2 * n + 1] += sum[1] * gain_[1];
        StepGain();
        Advance();
    }
}

}  // namespace orvane
