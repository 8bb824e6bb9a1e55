// A drawing surface: a picture in memory that the engine composes into and copies between.
#pragma once

#include <memory>

#include "base/image.h"
#include "render/visible_runs.h"

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

    // Records where the picture is fully transparent so that blits from it can skip those parts.
    // Meant for pictures that are loaded once and drawn often; the drawing functions here drop
    // the index of every surface they write into, and code that writes `pixels` directly must
    // call MarkChanged() itself.
    void IndexTransparentSpans() { visibleRuns_ = std::make_shared<const VisibleRuns>(*this); }
    void MarkChanged() { visibleRuns_.reset(); }
    // The index, or null when there is none or it was made for another size.
    const VisibleRuns* visibleRuns() const {
        return visibleRuns_ && visibleRuns_->width() == width && visibleRuns_->height() == height
                   ? visibleRuns_.get()
                   : nullptr;
    }

private:
    // Shared by copies of the surface, which have the same pixels until one of them changes.
    std::shared_ptr<const VisibleRuns> visibleRuns_;
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
