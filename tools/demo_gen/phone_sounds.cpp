#include "phone_sounds.h"

namespace orvane::demo {
namespace {

// A phone's little speaker: a low rate is plenty, and the effects stay short.
constexpr int kRate = 22050;
constexpr float kPeak = 0.5f;

StereoSignal Finished(StereoSignal sound, double fadeOut) {
    Normalize(sound, kPeak);
    FadeEnds(sound, 0.02, fadeOut);
    return sound;
}

}  // namespace

const std::vector<PhoneSound>& PhoneSounds() {
    static const std::vector<PhoneSound> sounds = {
        {"phone_storm.wav", ComposePhoneStorm},
        {"phone_ghost.wav", ComposePhoneGhost},
        {"phone_light.wav", ComposePhoneLight},
    };
    return sounds;
}

StereoSignal ComposePhoneStorm() {
    StereoSignal sound(kRate, 4);
    AddSurf(sound, 0.8f, 1.6, 0.2, 77);
    AddSurf(sound, 0.5f, 2.3, 0.6, 78);
    AddPad(sound, {0, 4, 38, 0.3f, 0}, 0.8, 1.5);
    return Finished(std::move(sound), 1.2);
}

StereoSignal ComposePhoneGhost() {
    StereoSignal sound(kRate, 4);
    // Two voices a quarter tone apart beat slowly against each other.
    for (const double pitch : {57.0, 57.5, 63.0}) {
        AddPad(sound, {0, 4, pitch, 0.3f, pitch > 60 ? 0.4f : -0.2f}, 1.0, 1.8);
    }
    AddBell(sound, {1.2, 2.5, 81, 0.2f, 0.5f});
    return Finished(std::move(sound), 1.5);
}

StereoSignal ComposePhoneLight() {
    StereoSignal sound(kRate, 3);
    constexpr double kRising[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        AddBell(sound, {i * 0.18, 2.2, kRising[i], 0.3f, -0.3f + 0.2f * i});
    }
    return Finished(std::move(sound), 0.8);
}

}  // namespace orvane::demo
