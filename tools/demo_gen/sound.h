// Sound made by code for the demo: sample buffers, the few instruments the music and the
// stand-in voices are played on, and the bytes of a wave file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::demo {

// Samples from -1 to 1 at a fixed rate.
struct Signal {
    int rate = 0;
    std::vector<float> samples;

    Signal(int sampleRate, double seconds);
    double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

struct StereoSignal {
    Signal left;
    Signal right;

    StereoSignal(int sampleRate, double seconds) : left(sampleRate, seconds), right(left) {}
    int rate() const { return left.rate; }
};

// The frequency of a MIDI note number (69 is A4, 440 Hz).
double NoteHz(double note);

// A sound started `at` seconds into a signal: its envelope and its partials.
struct Note {
    double at = 0;      // seconds
    double length = 0;  // seconds from the start to the end of the release
    double pitch = 60;  // MIDI note number, fractions allowed
    float gain = 1;
    float pan = 0;  // -1 left .. 1 right
};

// A soft pad: a few harmonics of two slightly detuned voices that swell in and fade out over
// `attack` and `release` seconds of a raised cosine.
void AddPad(StereoSignal& out, const Note& note, double attack, double release);
// A plucked string: a short rise, then an exponential decay with time constant `decay`, and a
// few milliseconds of fade at the end of `length` so that a note cut short does not click.
void AddPluck(StereoSignal& out, const Note& note, double decay);
// A small bell: inharmonic partials, the higher ones dying away sooner.
void AddBell(StereoSignal& out, const Note& note);
// Breaking waves: low-passed noise that swells and ebbs with a period of `period` seconds,
// started `phase` periods in. The same noise on every build.
void AddSurf(StereoSignal& out, float gain, double period, double phase, uint32_t seed);

// Scales the loudest sample to `peak`.
void Normalize(StereoSignal& signal, float peak);
void Normalize(Signal& signal, float peak);
// Raised-cosine fades over the first and the last seconds, so that the first and the last
// samples are silence and a track can follow another without a click.
void FadeEnds(StereoSignal& signal, double fadeIn, double fadeOut);
void FadeEnds(Signal& signal, double fadeIn, double fadeOut);

// A whole wave file in the canonical layout: "RIFF", a 16-byte "fmt " chunk of PCM and the
// "data" chunk, 44 bytes before the first sample. 16-bit samples are signed, 8-bit ones
// unsigned around 128; samples outside -1..1 are clipped.
std::string WaveFile16(const StereoSignal& signal);
std::string WaveFile8(const Signal& signal);

// The bytes before the first sample of every file written here.
inline constexpr size_t kWaveHeaderBytes = 44;

}  // namespace orvane::demo
