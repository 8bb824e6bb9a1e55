// The marks of the demo's deck: the four suits and the nine ranks, as shapes, so that the faces,
// the trump icons and the table's buttons draw them alike. Suits 0..3 are spades, clubs,
// diamonds and hearts; rank 0 is the ace and rank 8 the six, as the engine counts them.
#pragma once

#include <vector>

#include "canvas.h"
#include "shapes.h"

namespace orvane::demo {

// A suit centred on `centre`, `size` pixels high; upside down (for the lower half of a card)
// with `turned`.
Shape SuitShape(int suit, Point centre, float size, bool turned = false);
Rgb SuitColour(int suit);

// The rank's letter or number drawn in strokes inside the box (x0, y0) .. (x1, y1).
Shape RankShape(int rank, float x0, float y0, float x1, float y1, float stroke);
// Everything any of `shapes` covers (at least one shape).
Shape AllOf(std::vector<Shape> shapes);
// A digit 0..9 of seven strokes in the same kind of box.
Shape SevenSegmentDigit(int digit, float x0, float y0, float x1, float y1, float stroke);

}  // namespace orvane::demo
