// The loudness settings the engine speaks in, as linear gains for the mixer: the device volume
// word of the system sound, and the attenuation and pan in hundredths of a decibel of the music.
#pragma once

#include <cstdint>

namespace orvane {

struct StereoGain {
    float left = 1.0f;
    float right = 1.0f;
    bool operator==(const StereoGain&) const = default;
};

// Hundredths of a decibel: 0 is full volume, kSilentAttenuation and below are silence.
inline constexpr int kSilentAttenuation = -10000;
inline constexpr int kFullVolume = 0;

// The device refuses an attenuation outside -10000..0 and a pan outside -10000..10000 and keeps
// what it had.
constexpr bool IsAttenuationAccepted(int hundredthsDb) {
    return hundredthsDb >= kSilentAttenuation && hundredthsDb <= kFullVolume;
}
constexpr bool IsPanAccepted(int hundredthsDb) {
    return hundredthsDb >= kSilentAttenuation && hundredthsDb <= -kSilentAttenuation;
}

// The low 16 bits are the left channel, the high 16 the right, each linear from 0 to 0xFFFF.
StereoGain VolumeWordGain(uint32_t volumeWord);
// 10^(hundredthsDb / 2000); exactly 0 at kSilentAttenuation, so that "off" is really off.
float AttenuationGain(int hundredthsDb);
// A negative pan attenuates the right channel by that much, a positive one the left.
StereoGain MusicGain(int attenuation, int pan);

}  // namespace orvane
