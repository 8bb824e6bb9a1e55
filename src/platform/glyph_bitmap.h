// A rendered glyph as coverage values, and how coverage and solid bars land on an image.
#pragma once

#include <cstdint>
#include <vector>

#include "base/image.h"

namespace orvane {

struct GlyphBitmap {
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the baseline up to the first row
    int width = 0;
    int height = 0;
    int advance = 0;                // whole pixels to the next pen position
    std::vector<uint8_t> coverage;  // width * height, top row first; 255 = fully covered

    bool empty() const { return width <= 0 || height <= 0; }
};

// Blends `rgb` (0xRRGGBB) into `target` by the glyph's coverage with the bitmap's top-left at
// (x, y). Every pixel the glyph touches becomes opaque (T = 0). Clipped to the image.
// Coordinates are 64-bit so that a far-off position cannot overflow while clipping.
void PaintCoverage(Image& target, int64_t x, int64_t y, const GlyphBitmap& glyph, uint32_t rgb);

// Sets a rectangle to `rgb` with T = 0, clipped to the image.
void FillSolid(Image& target, int64_t left, int64_t top, int64_t width, int64_t height,
               uint32_t rgb);

}  // namespace orvane
