// The game's volume levels as the device takes them.
#pragma once

#include <cstdint>

namespace orvane {

// The music attenuation the game starts with.
inline constexpr int kStartupMusicAttenuation = -1000;

// The device volume word of a sound level: L x 6553 in both halves for L in 0..10 (10 gives
// 0xFFFA); below 0 is silence, above 10 counts as 10.
uint32_t WaveVolumeWord(int level);

// The attenuation of a music level as the options screen and the music timer set it: -1 is
// silence, 0..8 run from -2000 to -400 in steps of 200, and 9 is full volume.
int AttenuationForLevel(int musicVolume);

// The attenuation a new playlist and a loaded game start with: level x 1000 - 5000. Above 0 (a
// level over 5) the device refuses it and the track plays at full volume.
int PlaylistAttenuation(int musicVolume);

}  // namespace orvane
