#include <algorithm>

#include "render/blend.h"

namespace orvane {
namespace {

// Blends all four bytes of one pixel with weight t (0..256).
uint32_t BlendPixel(uint32_t d, uint32_t s, int t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int dv = static_cast<int>((d >> shift) & 0xFF);
        const int sv = static_cast<int>((s >> shift) & 0xFF);
        const int v = std::clamp(dv + ((sv * t) >> 8) - ((dv * t) >> 8), 0, 255);
        out |= static_cast<uint32_t>(v) << shift;
    }
    return out;
}

// The last column of an odd-width rectangle: black is transparent, T is ignored.
uint32_t BlendLastColumn(uint32_t d, uint32_t s, int c) {
    if ((s & 0x00FFFFFF) == 0) return d;
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int dv = static_cast<int>((d >> shift) & 0xFF);
        const int sv = static_cast<int>((s >> shift) & 0xFF);
        // An arithmetic shift is floor division by 256 for negative differences too.
        const int v = std::clamp(dv + (((sv - dv) * c) >> 8), 0, 255);
        out |= static_cast<uint32_t>(v) << shift;
    }
    return out;
}

}  // namespace

int BlendBlitReference(Surface& target, const Surface& source, int x, int y, const Rect* from,
                       int c) {
    const Rect src = from ? *from : source.bounds();
    const Rect dst{x, y, x + src.width(), y + src.height()};
    if (!RectInside(src, source.width, source.height) ||
        !RectInside(dst, target.width, target.height)) {
        return -1;
    }
    c = std::clamp(c, 0, 256);
    const int w = src.width();
    for (int row = 0; row < src.height(); ++row) {
        const uint32_t* in = source.row(src.top + row) + src.left;
        uint32_t* out = target.row(dst.top + row) + dst.left;
        for (int i = 0; i + 1 < w; i += 2) {
            const int t0 = static_cast<int>(in[i] >> 24);
            const int t1 = static_cast<int>(in[i + 1] >> 24);
            if (t0 == 255 && t1 == 255) continue;
            if (t0 == 0 && t1 == 0 && c == 255) {
                out[i] = in[i];
                out[i + 1] = in[i + 1];
                continue;
            }
            out[i] = BlendPixel(out[i], in[i], c * (255 - t0) / 255);
            out[i + 1] = BlendPixel(out[i + 1], in[i + 1], c * (255 - t1) / 255);
        }
        if (w % 2 == 1) out[w - 1] = BlendLastColumn(out[w - 1], in[w - 1], c);
    }
    return 0;
}

}  // namespace orvane
