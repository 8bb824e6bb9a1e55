#include "platform/audio_levels.h"

#include <cmath>

namespace orvane {

StereoGain VolumeWordGain(uint32_t volumeWord) {
    return {static_cast<float>(volumeWord & 0xFFFF) / 65535.0f,
            static_cast<float>(volumeWord >> 16) / 65535.0f};
}

float AttenuationGain(int hundredthsDb) {
    if (hundredthsDb <= kSilentAttenuation) return 0.0f;
    if (hundredthsDb >= 0) return 1.0f;
    return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

StereoGain MusicGain(int attenuation, int pan) {
    const float gain = AttenuationGain(attenuation);
    return {gain * (pan > 0 ? AttenuationGain(-pan) : 1.0f),
            gain * (pan < 0 ? AttenuationGain(pan) : 1.0f)};
}

}  // namespace orvane
