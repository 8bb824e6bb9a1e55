// Portable blend: the four bytes of a pixel spread into four 16-bit lanes of one 64-bit word, so
// one multiply gives all four products. A product is at most 255 * 256 and never carries into
// the next lane, and d - (d * t >> 8) is never negative, so the lanes stay independent.
#include "render/blend_kernels.h"

namespace orvane {
namespace {

constexpr uint64_t kLaneBytes = 0x00FF00FF00FF00FFull;

uint64_t Spread(uint32_t pixel) {
    uint64_t v = pixel;
    v = (v | v << 16) & 0x0000FFFF0000FFFFull;
    return (v | v << 8) & kLaneBytes;
}

uint32_t Gather(uint64_t lanes) {
    lanes = (lanes | lanes >> 8) & 0x0000FFFF0000FFFFull;
    return static_cast<uint32_t>(lanes | lanes >> 16);
}

uint32_t Blend(uint32_t d, uint32_t s, uint32_t t) {
    const uint64_t dl = Spread(d);
    const uint64_t sl = Spread(s);
    return Gather(dl - ((dl * t >> 8) & kLaneBytes) + ((sl * t >> 8) & kLaneBytes));
}

uint32_t Weight(uint32_t pixel, int c) {
    return static_cast<uint32_t>(c) * (255 - (pixel >> 24)) / 255;
}

}  // namespace

void BlendSpanScalar(uint32_t* out, const uint32_t* in, int count, int c) {
    for (int i = 0; i < count; i += 2) {
        const uint32_t t0 = in[i] >> 24;
        const uint32_t t1 = in[i + 1] >> 24;
        if (t0 == 255 && t1 == 255) continue;
        if ((t0 | t1) == 0 && c == 255) {
            out[i] = in[i];
            out[i + 1] = in[i + 1];
            continue;
        }
        out[i] = Blend(out[i], in[i], Weight(in[i], c));
        out[i + 1] = Blend(out[i + 1], in[i + 1], Weight(in[i + 1], c));
    }
}

}  // namespace orvane
