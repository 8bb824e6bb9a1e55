// The carousel of the load screen: which three saves it shows, how it turns, and how it is drawn
// at rest and while it slides from one save to the next.
#pragma once

#include <span>

#include "render/surface.h"

namespace orvane {

// Positions, counted from 1, in the list of saves of the saves shown on the left, in the centre
// and on the right. The list wraps around at both ends: with one save all three are that save,
// with two the left and the right one are the same.
struct CarouselPositions {
    int left = 0;
    int centre = 0;
    int right = 0;

    // The first save in the centre, the last one on its left.
    static CarouselPositions Start(int count);
    // One save on: forward makes the right neighbour the centre, back the left one.
    CarouselPositions Turned(int count, bool forward) const;

    bool operator==(const CarouselPositions&) const = default;
};

// The index into a list of `count` saves (count > 0) of `position`, wrapped into the list.
int SaveIndexOf(int position, int count);

// Draws `source` at (x, y), as much of it as falls on `target`; blended by its transparency when
// `blend` is set.
void DrawCut(Surface& target, const Surface& source, int x, int y, bool blend);

// The slide of a page turn: 64 steps of 8 pixels, so the neighbour travels the 512 pixels from
// its place to the centre.
inline constexpr int kSlideSteps = 64;
inline constexpr int kSlideStep = 8;
inline constexpr int kCarouselPitch = kSlideSteps * kSlideStep;

// The resting layout over `background` ("load.jpg"): the centre thumbnail in its frame, and the
// inner halves of its neighbours at the screen's edges between the halves of a stretched frame.
// `thumbnails` are left, centre and right (400 x 300 each); `frame` is 402 x 303.
void DrawCarouselAtRest(Surface& screen, const Surface& background, const Surface& frame,
                        std::span<const Surface* const, 3> thumbnails);

// One step of the slide: the band of the carousel drawn again from `background`, then
// `thumbnails` from left to right, each in its frame, the first standing at x = `firstX` and the
// others following at the carousel's pitch; what reaches past the screen is cut off.
void DrawCarouselSlide(Surface& screen, const Surface& background, const Surface& frame,
                       std::span<const Surface* const> thumbnails, int firstX);

}  // namespace orvane
