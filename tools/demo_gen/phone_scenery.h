// What the phone game's pictures are made of: the lighthouse of its story, the stars over it and
// the storm.
#pragma once

#include <cstdint>

#include "canvas.h"

namespace orvane::demo {

inline constexpr Rgb kLampLight = Hex(0xFFE9A0);

// A lighthouse standing on (x, baseY), `height` tall, in red and white bands, its lamp lit or
// dark.
void DrawLighthouse(Canvas& canvas, float x, float baseY, float height, bool lit);
// `count` stars above row `bottom`, the same ones for the same seed.
void DrawStars(Canvas& canvas, int count, float bottom, uint32_t seed);
// Slanting streaks of rain over the whole picture.
void DrawRain(Canvas& canvas, int count, uint32_t seed);

}  // namespace orvane::demo
