// Turning the drawing's floating-point colour into 8-bit bytes.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orvane::demo {

// Ordered dither in -0.5 .. 0.5 of one 8-bit step, so that long gradients do not band.
inline float Dither(int x, int y) {
    static constexpr int kBayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (kBayer[y & 3][x & 3] + 0.5f) / 16.0f - 0.5f;
}

inline uint8_t ToByte(float v, float dither) {
    return static_cast<uint8_t>(std::clamp(std::lround(v * 255.0f + dither), 0L, 255L));
}

}  // namespace orvane::demo
