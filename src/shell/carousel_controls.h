// The control strip under the carousels of the load screen and the gallery: the same picture
// rows ("right_buttons.bmp"), the same places, the same hover rule.
#pragma once

#include <span>

#include "render/surface.h"

namespace orvane {

inline constexpr char kCarouselControlsPicture[] = "right_buttons.bmp";

// An area of the screen, both ends inclusive.
struct ScreenArea {
    int left;
    int top;
    int right;
    int bottom;
    bool Contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
};

// A control of a carousel screen and where its lit picture goes; areas without a picture of
// their own (the centre picture, the screen's edges) have an empty `lit`.
struct CarouselControl {
    int button;
    ScreenArea area;
    Rect lit;
    int litX;
    int litY;
};

// The buttons of the strip, as both screens number them.
inline constexpr int kCarouselBack = 1;
inline constexpr int kCarouselCentre = 2;
inline constexpr int kCarouselPrevious = 3;
inline constexpr int kCarouselNext = 4;

inline constexpr CarouselControl kCentrePictureControl{
    kCarouselCentre, {311, 340, 609, 640}, {}, 0, 0};
inline constexpr CarouselControl kStripControls[] = {
    {kCarouselPrevious, {391, 710, 419, 735}, {10, 125, 48, 150}, 395, 707},
    {kCarouselNext, {591, 710, 619, 735}, {209, 127, 243, 155}, 594, 708},
    {kCarouselBack, {451, 710, 569, 735}, {50, 125, 200, 150}, 433, 708},
};

// The button of the first control (in list order) under (x, y); 0 when none.
int CarouselControlAt(std::span<const CarouselControl> controls, int x, int y);

// The plain strip from `pictures`, then the lit picture of the first control of button `lit`
// that has one.
void DrawCarouselControls(Surface& back, const Surface& pictures,
                          std::span<const CarouselControl> controls, int lit);

}  // namespace orvane
