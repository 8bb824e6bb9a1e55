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

namespace {

// How each target pixel along one axis covers the source: the source pixels first, first + 1,
// ... (count of them), each with its weight in units of 1 / (target size) of a source pixel, so
// that every boundary is an integer. The weights of one target pixel add up to the source size.
struct AreaWeights {
    std::vector<int> first, count;
    std::vector<size_t> offset;  // where a target pixel's weights begin
    std::vector<int64_t> weights;
};

AreaWeights WeightsFor(int64_t sourceSize, int64_t targetSize) {
    AreaWeights w;
    for (int64_t t = 0; t < targetSize; ++t) {
        const int64_t a = t * sourceSize, b = (t + 1) * sourceSize;
        w.first.push_back(static_cast<int>(a / targetSize));
        w.offset.push_back(w.weights.size());
        int n = 0;
        for (int64_t s = a / targetSize; s < sourceSize && s * targetSize < b; ++s, ++n) {
            w.weights.push_back(std::min(b, (s + 1) * targetSize) - std::max(a, s * targetSize));
        }
        w.count.push_back(n);
    }
    return w;
}

}  // namespace

void ScaleDownByArea(const Surface& source, Surface& target) {
    if (source.empty() || target.empty()) return;
    target.MarkChanged();
    // Each target pixel averages the source area it covers. A source pixel's weight there is
    // its column's weight times its row's, so each source row is summed across once and the
    // rows are then summed down: the same exact sums as over the whole area, with far less work.
    const int64_t sw = source.width, sh = source.height, tw = target.width, th = target.height;
    const AreaWeights columns = WeightsFor(sw, tw);
    const AreaWeights rows = WeightsFor(sh, th);
    const size_t lanes = static_cast<size_t>(tw) * 4;
    std::vector<uint64_t> across(lanes), sums(lanes);
    int acrossRow = -1;  // the source row that `across` holds; a boundary row serves twice
    const uint64_t area = static_cast<uint64_t>(sw * sh);
    const double reciprocal = 1.0 / static_cast<double>(area);
    for (int64_t ty = 0; ty < th; ++ty) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = 0; k < rows.count[ty]; ++k) {
            const int sy = rows.first[ty] + k;
            if (sy != acrossRow) {
                const uint32_t* in = source.row(sy);
                for (int64_t tx = 0; tx < tw; ++tx) {
                    const uint32_t* from = in + columns.first[tx];
                    const int64_t* wx = &columns.weights[columns.offset[tx]];
                    // Two channels to a 64-bit word; a weighted sum across a row stays below
                    // 255 x width, far from spilling into the other channel.
                    uint64_t blueRed = 0, greenT = 0;
                    for (int j = 0; j < columns.count[tx]; ++j) {
                        const uint64_t p = from[j], w = static_cast<uint64_t>(wx[j]);
                        blueRed += ((p & 0xFF) | ((p & 0xFF0000) << 16)) * w;
                        greenT += (((p >> 8) & 0xFF) | ((p & 0xFF000000) << 8)) * w;
                    }
                    uint64_t* out = &across[static_cast<size_t>(tx) * 4];
                    out[0] = blueRed & 0xFFFFFFFF;
                    out[1] = greenT & 0xFFFFFFFF;
                    out[2] = blueRed >> 32;
                    out[3] = greenT >> 32;
                }
                acrossRow = sy;
            }
            const uint64_t wy = static_cast<uint64_t>(rows.weights[rows.offset[ty] + k]);
            for (size_t i = 0; i < lanes; ++i) sums[i] += across[i] * wy;
        }
        // The rounded average. A division per channel would cost more than all the sums, so
        // the quotient is estimated with the reciprocal and then corrected to the exact one.
        uint32_t* out = target.row(static_cast<int>(ty));
        for (int64_t tx = 0; tx < tw; ++tx) {
            uint32_t p = 0;
            for (int c = 0; c < 4; ++c) {
                const uint64_t n = sums[static_cast<size_t>(tx) * 4 + c] + area / 2;
                uint64_t q = static_cast<uint64_t>(static_cast<double>(static_cast<int64_t>(n)) *
                                                   reciprocal);
                if (q * area > n) {
                    --q;
                } else if ((q + 1) * area <= n) {
                    ++q;
                }
                p |= static_cast<uint32_t>(std::min<uint64_t>(q, 255)) << (8 * c);
            }
            out[tx] = p;
        }
    }
}

}  // namespace orvane
