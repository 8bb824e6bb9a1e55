// A drawing surface: a picture in memory that the engine composes into and copies between.
#pragma once

#include "base/image.h"

namespace orvane {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

class Surface : public Image {
public:
    using Image::Image;
    Rect bounds() const { return Rect{0, 0, width, height}; }
    void Fill(uint32_t pixel);
};

// Whether `r` is non-empty and lies inside a surface of the given size.
bool RectInside(const Rect& r, int width, int height);

// Plain copy of `source` (all of `from` when it is null) to (x, y) of `target`, all 32 bits of
// every pixel. A rectangle that reaches outside either surface draws nothing, as the display
// device refused such copies.
bool CopyRect(Surface& target, int x, int y, const Surface& source, const Rect* from = nullptr);

// Stretched copy by nearest pixel, as the display device scaled without filtering.
bool StretchCopy(Surface& target, const Rect& to, const Surface& source, const Rect& from);

// Scales down by averaging the area that each target pixel covers, so the result is not aliased.
void ScaleDownByArea(const Surface& source, Surface& target);

}  // namespace orvane
