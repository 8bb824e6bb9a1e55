#include "music.h"

#include <array>

namespace orvane::demo {
namespace {

// Every track is this long, peaks this loud and fades in and out like this.
constexpr double kTrackSeconds = 12;
// About -14 dB. A playlist of the scripts plays at full volume and the voices at about half, so
// the music is made quiet enough for the voices to stand out above it.
constexpr float kPeak = 0.2f;
constexpr double kFadeIn = 0.05;
constexpr double kFadeOut = 1.5;

// A chord as MIDI note numbers: a bass note and three notes in the middle.
struct Chord {
    int bass;
    std::array<int, 3> middle;
};

StereoSignal Finished(StereoSignal track) {
    Normalize(track, kPeak);
    FadeEnds(track, kFadeIn, kFadeOut);
    return track;
}

// The chords of a progression as pads, one every `seconds`, each swelling in while the one
// before fades out.
void AddPadChords(StereoSignal& out, const std::array<Chord, 4>& chords, double seconds, float gain,
                  double attack, double release) {
    for (size_t i = 0; i < chords.size(); ++i) {
        const double at = static_cast<double>(i) * seconds;
        const double length = seconds + release;
        AddPad(out, {at, length, static_cast<double>(chords[i].bass), gain * 1.2f, 0}, attack,
               release);
        float pan = -0.3f;
        for (int note : chords[i].middle) {
            AddPad(out, {at, length, static_cast<double>(note), gain, pan}, attack, release);
            pan += 0.3f;
        }
    }
}

}  // namespace

const std::vector<DemoTrack>& DemoTracks() {
    static const std::vector<DemoTrack> tracks = {
        {"music_dusk.wav", ComposeDusk},
        {"music_forest.wav", ComposeForest},
        {"music_sea.wav", ComposeSea},
    };
    return tracks;
}

StereoSignal ComposeDusk() {
    StereoSignal track(kMusicRate, kTrackSeconds);
    // Am - F - C - G, three seconds each.
    AddPadChords(track,
                 {{{45, {57, 60, 64}}, {41, {57, 60, 65}}, {48, {55, 60, 64}}, {43, {55, 59, 62}}}},
                 3, 0.25f, 0.9, 1.2);
    constexpr struct {
        double at;
        int pitch;
    } kMelody[] = {{1.0, 76}, {2.0, 72}, {4.0, 69},  {5.0, 72},
                   {7.0, 67}, {8.0, 76}, {10.0, 74}, {11.0, 71}};
    float pan = -0.35f;
    for (const auto& note : kMelody) {
        AddPluck(track, {note.at, 1.8, static_cast<double>(note.pitch), 0.22f, pan}, 0.9);
        pan = -pan;
    }
    return Finished(std::move(track));
}

StereoSignal ComposeForest() {
    StereoSignal track(kMusicRate, kTrackSeconds);
    // C - Am - F - G, a bar of eight quavers each at 96 beats a minute.
    constexpr double kEighth = 60.0 / 96 / 2;
    constexpr std::array<Chord, 4> kChords = {
        {{48, {60, 64, 67}}, {45, {57, 60, 64}}, {41, {57, 60, 65}}, {43, {55, 59, 62}}}};
    // Up and down the chord: root, fifth, octave, tenth, twelfth and back.
    constexpr int kSteps[] = {0, 7, 12, 16, 19, 16, 12, 7};
    constexpr int kMinorSteps[] = {0, 7, 12, 15, 19, 15, 12, 7};
    for (size_t bar = 0; bar < kChords.size(); ++bar) {
        const bool minor = bar == 1;
        for (size_t step = 0; step < std::size(kSteps); ++step) {
            const double at = static_cast<double>(bar * 8 + step) * kEighth;
            const int pitch = kChords[bar].bass + (minor ? kMinorSteps[step] : kSteps[step]);
            const float pan = step % 2 == 0 ? -0.3f : 0.3f;
            AddPluck(track, {at, 0.9, static_cast<double>(pitch), 0.3f, pan}, 0.6);
        }
    }
    AddPadChords(track, kChords, 8 * kEighth, 0.1f, 0.6, 0.8);
    // The last chord rings out while the track fades.
    for (int pitch : {48, 60, 64, 67}) {
        AddPluck(track, {32 * kEighth, 2.0, static_cast<double>(pitch), 0.25f, 0}, 1.2);
    }
    return Finished(std::move(track));
}

StereoSignal ComposeSea() {
    StereoSignal track(kMusicRate, kTrackSeconds);
    // D - G - Bm - A under two slow waves.
    AddPadChords(track,
                 {{{50, {62, 66, 69}}, {43, {62, 67, 71}}, {47, {62, 66, 71}}, {45, {61, 64, 69}}}},
                 3, 0.22f, 1.2, 1.4);
    AddSurf(track, 0.35f, 6, 0, 1234);
    constexpr struct {
        double at;
        int pitch;
    } kBells[] = {{1.5, 81}, {4.5, 78}, {7.5, 83}, {10.0, 81}};
    float pan = 0.4f;
    for (const auto& bell : kBells) {
        AddBell(track, {bell.at, 2.0, static_cast<double>(bell.pitch), 0.12f, pan});
        pan = -pan;
    }
    return Finished(std::move(track));
}

}  // namespace orvane::demo
