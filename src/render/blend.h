// The translucent blit: a rectangle of one surface drawn onto another with a global opacity and
// the per-pixel transparency byte T of the source.
#pragma once

#include "render/surface.h"

namespace orvane {

// Draws `from` of `source` (all of it when null) at (x, y) of `target` with opacity `c`
// (clamped to 0..256; 255 is ordinary full opacity, 256 exact full strength). Returns 0, or -1
// when a rectangle reaches outside its surface and nothing was drawn.
int BlendBlit(Surface& target, const Surface& source, int x, int y, const Rect* from, int c);

// The plain, pixel-by-pixel definition of the blit that every faster version must reproduce.
int BlendBlitReference(Surface& target, const Surface& source, int x, int y, const Rect* from,
                       int c);

}  // namespace orvane
