// What the mixer costs the audio thread: one second of 48 kHz stereo output with both voices
// sounding, pulled in 1024-frame buffers as SDL asks for them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio_mixer.h"

namespace orvane {
namespace {

constexpr int kOutputRate = 48000;
constexpr size_t kBufferFrames = 1024;
constexpr int kSourceSeconds = 20;

std::string Tone(const PcmFormat& format, double frequency) {
    std::string pcm;
    const int frames = format.sampleRate * kSourceSeconds;
    for (int n = 0; n < frames; ++n) {
        const double value =
            0.5 * std::sin(2 * 3.14159265358979 * frequency * n / format.sampleRate);
        for (int c = 0; c < format.channels; ++c) {
            if (format.bitsPerSample == 8) {
                pcm += static_cast<char>(128 + std::lround(value * 127));
            } else {
                const auto s =
                    static_cast<uint16_t>(static_cast<int16_t>(std::lround(value * 32767)));
                pcm += static_cast<char>(s & 0xFF);
                pcm += static_cast<char>(s >> 8);
            }
        }
    }
    return pcm;
}

// A voice of 8-bit mono (as the game's voices are) and music of 16-bit stereo, both at
// `sourceRate`.
void BM_MixOneSecond(benchmark::State& state) {
    const int sourceRate = static_cast<int>(state.range(0));
    const PcmFormat voiceFormat{1, sourceRate, 8};
    const PcmFormat musicFormat{2, sourceRate, 16};
    const std::string voice = Tone(voiceFormat, 440);
    const std::string music = Tone(musicFormat, 1000);
    AudioMixer mixer(kOutputRate);
    mixer.SetGain(MixerVoice::System, {0.5f, 0.5f});
    mixer.SetGain(MixerVoice::Music, {0.3f, 0.3f});
    const auto restart = [&] {
        mixer.Play(MixerVoice::System,
                   std::make_unique<AudioVoice>(voice, voiceFormat, kOutputRate));
        mixer.Play(MixerVoice::Music,
                   std::make_unique<AudioVoice>(music, musicFormat, kOutputRate));
    };
    restart();
    std::vector<float> buffer(2 * kBufferFrames);
    int secondsLeft = kSourceSeconds;
    for (auto _ : state) {
        if (secondsLeft-- == 0) {
            state.PauseTiming();
            restart();
            secondsLeft = kSourceSeconds - 1;
            state.ResumeTiming();
        }
        for (size_t done = 0; done < kOutputRate; done += kBufferFrames) {
            mixer.Mix(buffer.data(), std::min(kBufferFrames, kOutputRate - done));
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    // CPU time per second of sound (shown as a time: 3 ms is 0.3 % of real time), and its
    // inverse, seconds of sound mixed per second.
    state.counters["per_audio_second"] = benchmark::Counter(
        1.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["x_realtime"] =
        benchmark::Counter(1.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_MixOneSecond)->Arg(22050)->Arg(44100)->Arg(48000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
