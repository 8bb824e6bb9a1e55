#include "audio/volume_levels.h"

#include <algorithm>

#include "platform/audio_levels.h"

namespace orvane {

uint32_t WaveVolumeWord(int level) {
    if (level < 0) return 0;
    const uint32_t channel = static_cast<uint32_t>(std::min(level, 10)) * 6553u;
    return channel | channel << 16;
}

int AttenuationForLevel(int musicVolume) {
    if (musicVolume < 0) return kSilentAttenuation;
    if (musicVolume >= 9) return kFullVolume;
    return -2000 + 200 * musicVolume;
}

int PlaylistAttenuation(int musicVolume) {
    // Saturating: a damaged level must not wrap round into a valid attenuation.
    const long long value = static_cast<long long>(musicVolume) * 1000 - 5000;
    return static_cast<int>(std::clamp<long long>(value, -1000000, 1000000));
}

}  // namespace orvane
