// Sounds made for tests, and measurements of what the mixer wrote. Shared by the platform and
// audio tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/wave_format.h"
#include "support/temp_dir.h"

namespace orvane::testing {

inline constexpr double kTestPi = 3.14159265358979323846;

// `seconds` of a sine at `frequency` with peak `amplitude` (1 is full scale) on every channel;
// `rightScale` scales the second channel so that a swap of channels shows.
inline std::string TonePcm(const PcmFormat& format, double frequency, double amplitude,
                           double seconds, double rightScale = 1.0) {
    const long frames = std::lround(seconds * format.sampleRate);
    std::string pcm;
    for (long n = 0; n < frames; ++n) {
        const double wave = std::sin(2 * kTestPi * frequency * n / format.sampleRate);
        for (int c = 0; c < format.channels; ++c) {
            const double value = wave * amplitude * (c == 1 ? rightScale : 1.0);
            if (format.bitsPerSample == 8) {
                pcm += static_cast<char>(std::clamp(128 + std::lround(value * 128), 0L, 255L));
            } else {
                const long s = std::clamp(std::lround(value * 32768), -32768L, 32767L);
                pcm += static_cast<char>(s & 0xFF);
                pcm += static_cast<char>((s >> 8) & 0xFF);
            }
        }
    }
    return pcm;
}

inline std::string ToneWave(const PcmFormat& format, double frequency, double amplitude,
                            double seconds, double rightScale = 1.0) {
    return EncodeWave(format, TonePcm(format, frequency, amplitude, seconds, rightScale));
}

// A 16-bit stereo file as written by the headless recorder, one vector a channel.
struct Recording {
    int rate = 0;
    std::vector<float> left;
    std::vector<float> right;
};

inline Recording ReadRecording(const std::filesystem::path& path) {
    Recording out;
    const std::string bytes = ReadWholeFile(path);
    WaveLayout layout;
    std::string error;
    EXPECT_TRUE(ParseWave(bytes, layout, error)) << error;
    EXPECT_EQ(layout.format.channels, 2);
    EXPECT_EQ(layout.format.bitsPerSample, 16);
    EXPECT_TRUE(layout.warning.empty()) << layout.warning;
    out.rate = layout.format.sampleRate;
    for (size_t at = layout.dataOffset; at + 4 <= layout.dataOffset + layout.dataSize; at += 4) {
        const auto sample = [&](size_t i) {
            const auto lo = static_cast<uint8_t>(bytes[i]);
            const auto hi = static_cast<uint8_t>(bytes[i + 1]);
            return static_cast<float>(static_cast<int16_t>(lo | hi << 8)) / 32768.0f;
        };
        out.left.push_back(sample(at));
        out.right.push_back(sample(at + 2));
    }
    return out;
}

inline double Rms(const std::vector<float>& x, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(x[i]) * x[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

// The first and one past the last frame louder than `threshold`; {0, 0} when none is.
inline std::pair<size_t, size_t> SoundingSpan(const std::vector<float>& x, float threshold) {
    size_t first = x.size();
    size_t last = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        if (std::fabs(x[i]) <= threshold) continue;
        first = std::min(first, i);
        last = i + 1;
    }
    return first < last ? std::pair{first, last} : std::pair<size_t, size_t>{0, 0};
}

// The peak amplitude of the sine at `frequency` in the window [from, to), which should hold
// whole periods of it.
inline double ComponentAmplitude(const std::vector<float>& x, int rate, double frequency,
                                 size_t from, size_t to) {
    double s = 0, c = 0;
    for (size_t i = from; i < to; ++i) {
        const double angle = 2 * kTestPi * frequency * i / rate;
        s += x[i] * std::sin(angle);
        c += x[i] * std::cos(angle);
    }
    return 2 * std::hypot(s, c) / static_cast<double>(to - from);
}

// How far below the signal everything that is not a sine at `frequency` lies, in dB: the best
// fitting sine is taken out and what remains (aliases, images, noise) compared with it. The
// window [from, to) should hold whole periods.
inline double ResidualBelowToneDb(const std::vector<float>& x, int rate, double frequency,
                                  size_t from, size_t to) {
    double s = 0, c = 0;
    const auto angle = [&](size_t i) { return 2 * kTestPi * frequency * i / rate; };
    for (size_t i = from; i < to; ++i) {
        s += x[i] * std::sin(angle(i));
        c += x[i] * std::cos(angle(i));
    }
    const double n = static_cast<double>(to - from);
    const double a = 2 * s / n, b = 2 * c / n;
    double residual = 0;
    for (size_t i = from; i < to; ++i) {
        const double r = x[i] - a * std::sin(angle(i)) - b * std::cos(angle(i));
        residual += r * r;
    }
    const double tone = (a * a + b * b) / 2 * n;
    return 10 * std::log10(tone / std::max(residual, 1e-30));
}

}  // namespace orvane::testing
