// Questions the scenario tests ask of a presented frame.
#pragma once

#include "base/image.h"

namespace orvane::testing {

// Whether some pixel in [x0, x1) x [y0, y1) is nearly black: lettering drawn over a light picture.
inline bool HasDarkPixel(const Image& frame, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const uint32_t p = frame.at(x, y);
            if (PixelRed(p) + PixelGreen(p) + PixelBlue(p) < 30) return true;
        }
    }
    return false;
}

}  // namespace orvane::testing
