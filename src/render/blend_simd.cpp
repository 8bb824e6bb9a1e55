// The blit as the engine runs it: checks the rectangles, then hands each row, or only the visible
// runs of an indexed picture, to the inner loop of the chosen instruction set.
#include <algorithm>
#include <span>

#include "render/blend.h"
#include "render/blend_kernels.h"
#include "render/blend_path.h"

namespace orvane {
namespace {

BlendSpanFn SpanFunction(BlendPath path) {
    switch (path) {
#if defined(__x86_64__)
        case BlendPath::kAvx2:
            return BlendSpanAvx2;
        case BlendPath::kSse2:
            return BlendSpanSse2;
#endif
        default:
            return BlendSpanScalar;
    }
}

// Blends the pairs of one row that touch a visible run. The pairs start at the rectangle's left
// edge, not at column 0, so each run widens to whole pairs; a pair outside every run has both
// pixels invisible, which the blit leaves alone anyway.
void BlendVisibleRuns(BlendSpanFn span, uint32_t* out, const uint32_t* in,
                      std::span<const VisibleRuns::Run> runs, int left, int pairedWidth, int c) {
    int done = 0;  // relative to `left`, always on a pair boundary
    for (const VisibleRuns::Run& run : runs) {
        const int begin = std::max(done, (run.begin - left) & ~1);
        if (begin >= pairedWidth) break;
        const int end = std::min(pairedWidth, (run.end - left + 1) & ~1);
        if (begin < end) {
            span(out + begin, in + begin, end - begin, c);
            done = end;
        }
    }
}

}  // namespace

int BlendBlit(Surface& target, const Surface& source, int x, int y, const Rect* from, int c) {
    const Rect src = from ? *from : source.bounds();
    const Rect dst{x, y, x + src.width(), y + src.height()};
    if (!RectInside(src, source.width, source.height) ||
        !RectInside(dst, target.width, target.height)) {
        return -1;
    }
    c = std::clamp(c, 0, 256);
    // Dropped first, so that a surface drawn onto itself is never read through a stale index.
    target.MarkChanged();
    const VisibleRuns* runs = source.visibleRuns();

    const int pairedWidth = src.width() & ~1;
    // At opacity 0 every pair keeps its destination; only the odd column can change.
    if (pairedWidth > 0 && c > 0) {
        const BlendSpanFn span = SpanFunction(ActiveBlendPath());
        for (int row = 0; row < src.height(); ++row) {
            const uint32_t* in = source.row(src.top + row) + src.left;
            uint32_t* out = target.row(dst.top + row) + dst.left;
            if (runs) {
                BlendVisibleRuns(span, out, in, runs->Row(src.top + row), src.left, pairedWidth, c);
            } else {
                span(out, in, pairedWidth, c);
            }
        }
    }
    if (src.width() % 2 == 1) {
        // A one-pixel-wide rectangle is all last column, so the definition itself draws it.
        const Rect column{src.right - 1, src.top, src.right, src.bottom};
        BlendBlitReference(target, source, dst.right - 1, dst.top, &column, c);
    }
    return 0;
}

}  // namespace orvane
