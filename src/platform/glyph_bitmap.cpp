#include "platform/glyph_bitmap.h"

#include <algorithm>

namespace orvane {
namespace {

struct Span {
    int64_t first = 0;  // inclusive
    int64_t last = 0;   // exclusive
    bool empty() const { return first >= last; }
};

Span Clip(int64_t start, int64_t length, int limit) {
    return {std::max<int64_t>(start, 0), std::min<int64_t>(start + length, limit)};
}

// Exact round(value / 255) for value in 0..255*255.
uint32_t DivideBy255(uint32_t value) {
    value += 128;
    return (value + (value >> 8)) >> 8;
}

uint32_t Mix(uint32_t source, uint32_t dest, uint32_t coverage) {
    return DivideBy255(source * coverage + dest * (255 - coverage));
}

}  // namespace

void PaintCoverage(Image& target, int64_t x, int64_t y, const GlyphBitmap& glyph, uint32_t rgb) {
    if (glyph.empty() || target.empty()) return;
    const Span cols = Clip(x, glyph.width, target.width);
    const Span rows = Clip(y, glyph.height, target.height);
    if (cols.empty() || rows.empty()) return;
    const uint32_t opaque = rgb & 0xFFFFFFu;
    const uint32_t r = PixelRed(opaque), g = PixelGreen(opaque), b = PixelBlue(opaque);
    for (int64_t ty = rows.first; ty < rows.last; ++ty) {
        const uint8_t* in = glyph.coverage.data() + (ty - y) * glyph.width + (cols.first - x);
        uint32_t* out = target.row(static_cast<int>(ty)) + cols.first;
        for (int64_t tx = cols.first; tx < cols.last; ++tx, ++in, ++out) {
            const uint32_t a = *in;
            if (a == 0) continue;
            if (a == 255) {
                *out = opaque;
                continue;
            }
            const uint32_t d = *out;
            *out = MakePixel(static_cast<uint8_t>(Mix(r, PixelRed(d), a)),
                             static_cast<uint8_t>(Mix(g, PixelGreen(d), a)),
                             static_cast<uint8_t>(Mix(b, PixelBlue(d), a)));
        }
    }
}

void FillSolid(Image& target, int64_t left, int64_t top, int64_t width, int64_t height,
               uint32_t rgb) {
    if (target.empty()) return;
    const Span cols = Clip(left, width, target.width);
    const Span rows = Clip(top, height, target.height);
    if (cols.empty() || rows.empty()) return;
    for (int64_t y = rows.first; y < rows.last; ++y) {
        uint32_t* row = target.row(static_cast<int>(y));
        std::fill(row + cols.first, row + cols.last, rgb & 0xFFFFFFu);
    }
}

}  // namespace orvane
