#include "render/surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace orvane {

void Surface::Fill(uint32_t pixel) {
    MarkChanged();
    std::fill(pixels.begin(), pixels.end(), pixel);
}

bool RectInside(const Rect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= width &&
           r.bottom <= height;
}

bool CopyRect(Surface& target, int x, int y, const Surface& source, const Rect* from) {
    const Rect src = from ? *from : source.bounds();
    const Rect dst{x, y, x + src.width(), y + src.height()};
    if (!RectInside(src, source.width, source.height) ||
        !RectInside(dst, target.width, target.height)) {
        return false;
    }
    target.MarkChanged();
    const size_t rowBytes = static_cast<size_t>(src.width()) * sizeof(uint32_t);
    for (int row = 0; row < src.height(); ++row) {
        std::memmove(target.row(dst.top + row) + dst.left, source.row(src.top + row) + src.left,
                     rowBytes);
    }
    return true;
}

bool StretchCopy(Surface& target, const Rect& to, const Surface& source, const Rect& from) {
    if (!RectInside(from, source.width, source.height) ||
        !RectInside(to, target.width, target.height)) {
        return false;
    }
    target.MarkChanged();
    std::vector<int> columns(static_cast<size_t>(to.width()));
    for (int x = 0; x < to.width(); ++x) {
        columns[x] = from.left + static_cast<int>(int64_t{x} * from.width() / to.width());
    }
    for (int y = 0; y < to.height(); ++y) {
        const uint32_t* in = source.row(from.top + static_cast<int>(int64_t{y} * from.height() /
                                                                    to.height()));
        uint32_t* out = target.row(to.top + y) + to.left;
        for (int x = 0; x < to.width(); ++x) out[x] = in[columns[x]];
    }
    return true;
}

void ScaleDownByArea(const Surface& source, Surface& target) {
    if (source.empty() || target.empty()) return;
    target.MarkChanged();
    // Work in units of 1 / (target size) of a source pixel so that every boundary is an integer.
    const int64_t sw = source.width, sh = source.height, tw = target.width, th = target.height;
    std::vector<uint64_t> sums(static_cast<size_t>(tw) * 4);
    for (int64_t ty = 0; ty < th; ++ty) {
        std::fill(sums.begin(), sums.end(), 0);
        const int64_t y0 = ty * sh, y1 = (ty + 1) * sh;  // in source rows times th
        for (int64_t sy = y0 / th; sy < sh && sy * th < y1; ++sy) {
            const int64_t wy = std::min(y1, (sy + 1) * th) - std::max(y0, sy * th);
            const uint32_t* in = source.row(static_cast<int>(sy));
            for (int64_t tx = 0; tx < tw; ++tx) {
                const int64_t x0 = tx * sw, x1 = (tx + 1) * sw;
                for (int64_t sx = x0 / tw; sx < sw && sx * tw < x1; ++sx) {
                    const int64_t w = wy * (std::min(x1, (sx + 1) * tw) - std::max(x0, sx * tw));
                    const uint32_t p = in[sx];
                    uint64_t* acc = &sums[static_cast<size_t>(tx) * 4];
                    for (int c = 0; c < 4; ++c) acc[c] += static_cast<uint64_t>((p >> (8 * c)) & 0xFF) * w;
                }
            }
        }
        const uint64_t area = static_cast<uint64_t>(sw * sh);
        uint32_t* out = target.row(static_cast<int>(ty));
        for (int64_t tx = 0; tx < tw; ++tx) {
            uint32_t p = 0;
            for (int c = 0; c < 4; ++c) {
                const uint64_t v = (sums[static_cast<size_t>(tx) * 4 + c] + area / 2) / area;
                p |= static_cast<uint32_t>(std::min<uint64_t>(v, 255)) << (8 * c);
            }
            out[tx] = p;
        }
    }
}

}  // namespace orvane
