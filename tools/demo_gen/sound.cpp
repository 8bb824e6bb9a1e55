#include "sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane::demo {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// 0 at x = 0 rising smoothly to 1 at x = 1.
double RaisedCosine(double x) {
    return x <= 0 ? 0 : x >= 1 ? 1 : 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

// Left and right gains of a position from -1 to 1 that keep the loudness as it moves.
std::pair<float, float> PanGains(float pan) {
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1) * std::numbers::pi / 4;
    return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

// Calls add(t, index) for every sample of the note that falls inside the signal; t is seconds
// from the note's start.
template <typename Add>
void ForEachSample(const Signal& signal, const Note& note, Add add) {
    const auto first = static_cast<long>(std::lround(note.at * signal.rate));
    const auto count = static_cast<long>(std::lround(note.length * signal.rate));
    const long size = static_cast<long>(signal.samples.size());
    for (long i = std::max(0L, -first); i < count && first + i < size; ++i) {
        add(static_cast<double>(i) / signal.rate, static_cast<size_t>(first + i));
    }
}

// The fade at the end of a note that is cut before it has died away.
constexpr double kEndFade = 0.03;

double EndFade(const Note& note, double t) {
    return RaisedCosine((note.length - t) / kEndFade);
}

void AddPanned(StereoSignal& out, size_t index, double value, std::pair<float, float> gains) {
    out.left.samples[index] += static_cast<float>(value * gains.first);
    out.right.samples[index] += static_cast<float>(value * gains.second);
}

class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed | 1) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / (1 << 23) - 1;
    }

private:
    uint32_t state_;
};

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string WaveHeader(int channels, int rate, int bits, uint32_t dataBytes) {
    const uint32_t blockAlign = static_cast<uint32_t>(channels * bits / 8);
    std::string header = "RIFF";
    // The chunk that follows the samples keeps to even offsets: an odd count is padded.
    PutLittleEndian(header, 36 + dataBytes + (dataBytes & 1), 4);
    header += "WAVEfmt ";
    PutLittleEndian(header, 16, 4);
    PutLittleEndian(header, 1, 2);  // PCM
    PutLittleEndian(header, static_cast<uint32_t>(channels), 2);
    PutLittleEndian(header, static_cast<uint32_t>(rate), 4);
    PutLittleEndian(header, static_cast<uint32_t>(rate) * blockAlign, 4);
    PutLittleEndian(header, blockAlign, 2);
    PutLittleEndian(header, static_cast<uint32_t>(bits), 2);
    header += "data";
    PutLittleEndian(header, dataBytes, 4);
    return header;
}

float PeakOf(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::abs(s));
    return peak;
}

void Scale(std::vector<float>& samples, float factor) {
    for (float& s : samples) s *= factor;
}

}  // namespace

Signal::Signal(int sampleRate, double seconds)
    : rate(sampleRate), samples(static_cast<size_t>(std::lround(seconds * sampleRate))) {}

double NoteHz(double note) {
    return 440.0 * std::exp2((note - 69) / 12);
}

void AddPad(StereoSignal& out, const Note& note, double attack, double release) {
    constexpr double kPartials[] = {1.0, 0.35, 0.12};
    const double hz = NoteHz(note.pitch);
    // The two voices beat slowly against each other, one a little to each side.
    const struct {
        double detune;
        std::pair<float, float> gains;
    } voices[] = {{1 - 0.0012, PanGains(note.pan - 0.25f)},
                  {1 + 0.0012, PanGains(note.pan + 0.25f)}};
    ForEachSample(out.left, note, [&](double t, size_t index) {
        const double envelope =
            RaisedCosine(t / attack) * RaisedCosine((note.length - t) / release) * note.gain;
        for (const auto& voice : voices) {
            double value = 0;
            for (size_t k = 0; k < std::size(kPartials); ++k) {
                value += kPartials[k] * std::sin(kTwoPi * hz * voice.detune * (k + 1) * t);
            }
            AddPanned(out, index, value * envelope * 0.5, voice.gains);
        }
    });
}

void AddPluck(StereoSignal& out, const Note& note, double decay) {
    constexpr double kAttack = 0.004;
    const double hz = NoteHz(note.pitch);
    const auto gains = PanGains(note.pan);
    ForEachSample(out.left, note, [&](double t, size_t index) {
        const double envelope = RaisedCosine(t / kAttack) * EndFade(note, t) * note.gain;
        // The overtones die away sooner than the fundamental, as on a real string.
        const double value = std::sin(kTwoPi * hz * t) * std::exp(-t / decay) +
                             0.3 * std::sin(kTwoPi * hz * 2 * t) * std::exp(-t / (decay * 0.5)) +
                             0.1 * std::sin(kTwoPi * hz * 3 * t) * std::exp(-t / (decay * 0.3));
        AddPanned(out, index, value * envelope, gains);
    });
}

void AddBell(StereoSignal& out, const Note& note) {
    constexpr struct {
        double ratio, amplitude, decay;
    } kPartials[] = {{1.0, 1.0, 1.6}, {2.0, 0.4, 1.0}, {2.76, 0.3, 0.6}, {5.4, 0.12, 0.25}};
    constexpr double kAttack = 0.002;
    const double hz = NoteHz(note.pitch);
    const auto gains = PanGains(note.pan);
    ForEachSample(out.left, note, [&](double t, size_t index) {
        double value = 0;
        for (const auto& p : kPartials) {
            value += p.amplitude * std::sin(kTwoPi * hz * p.ratio * t) * std::exp(-t / p.decay);
        }
        AddPanned(out, index, value * RaisedCosine(t / kAttack) * EndFade(note, t) * note.gain,
                  gains);
    });
}

void AddSurf(StereoSignal& out, float gain, double period, double phase, uint32_t seed) {
    // Two one-pole low-passes at a few hundred hertz leave a soft roar of the white noise.
    const double a = 1 - std::exp(-kTwoPi * 400 / out.rate());
    Signal* channels[] = {&out.left, &out.right};
    for (size_t c = 0; c < 2; ++c) {
        Noise noise(seed + static_cast<uint32_t>(c) * 7919u);
        double low1 = 0, low2 = 0;
        std::vector<float>& samples = channels[c]->samples;
        for (size_t i = 0; i < samples.size(); ++i) {
            low1 += a * (noise.Next() - low1);
            low2 += a * (low1 - low2);
            const double t = static_cast<double>(i) / out.rate();
            const double swell = 0.5 - 0.5 * std::cos(kTwoPi * (t / period + phase));
            samples[i] += static_cast<float>(low2 * swell * swell * gain);
        }
    }
}

void Normalize(StereoSignal& signal, float peak) {
    const float loudest = std::max(PeakOf(signal.left.samples), PeakOf(signal.right.samples));
    if (loudest <= 0) return;
    Scale(signal.left.samples, peak / loudest);
    Scale(signal.right.samples, peak / loudest);
}

void Normalize(Signal& signal, float peak) {
    const float loudest = PeakOf(signal.samples);
    if (loudest > 0) Scale(signal.samples, peak / loudest);
}

void FadeEnds(Signal& signal, double fadeIn, double fadeOut) {
    std::vector<float>& s = signal.samples;
    const double in = std::max(1.0, fadeIn * signal.rate);
    const double out = std::max(1.0, fadeOut * signal.rate);
    for (size_t i = 0; i < s.size(); ++i) {
        const double fromEnd = static_cast<double>(s.size() - 1 - i);
        s[i] *= static_cast<float>(RaisedCosine(i / in) * RaisedCosine(fromEnd / out));
    }
}

void FadeEnds(StereoSignal& signal, double fadeIn, double fadeOut) {
    FadeEnds(signal.left, fadeIn, fadeOut);
    FadeEnds(signal.right, fadeIn, fadeOut);
}

std::string WaveFile16(const StereoSignal& signal) {
    const size_t frames = std::min(signal.left.samples.size(), signal.right.samples.size());
    std::string file = WaveHeader(2, signal.rate(), 16, static_cast<uint32_t>(frames * 4));
    file.reserve(file.size() + frames * 4);
    auto put = [&](float s) {
        const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767);
        PutLittleEndian(file, static_cast<uint32_t>(value), 2);
    };
    for (size_t i = 0; i < frames; ++i) {
        put(signal.left.samples[i]);
        put(signal.right.samples[i]);
    }
    return file;
}

std::string WaveFile8(const Signal& signal) {
    const size_t count = signal.samples.size();
    std::string file = WaveHeader(1, signal.rate, 8, static_cast<uint32_t>(count));
    for (float s : signal.samples) {
        file += static_cast<char>(128 + std::lround(std::clamp(s, -1.0f, 1.0f) * 127));
    }
    if (count & 1) file += '\0';
    return file;
}

}  // namespace orvane::demo
