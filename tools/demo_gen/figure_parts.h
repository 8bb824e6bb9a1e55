// What the two characters have in common: the drawn-outline look, light from the upper left,
// and the face.
#pragma once

#include "canvas.h"
#include "sprite.h"

namespace orvane::demo {

// Light falls from the left: `color` at `left`, a darker shade of it at `right`.
Paint SideLit(Rgb color, float left, float right);

// A part with a thin darker outline around it, which keeps a figure readable over any
// background.
void Outlined(Sprite& sprite, const Shape& shape, const Paint& paint, Rgb outline);
void Outlined(Sprite& sprite, const Shape& shape, Rgb color);

struct Face {
    Point centre;       // between the eyes
    float eyeGap = 28;  // from eye to eye
    float eyeHeight = 8;
    Rgb iris;
    Rgb brow;
    float browLift = 0;  // raised brows look surprised, lowered ones stern
    float browWeight = 1.5f;
    Rgb lips;
    float smile = 3;     // how far the corners of the mouth rise
    float mouth = 3.6f;  // how far below the eyes, in eye heights
    bool blush = false;
};
void DrawFace(Sprite& sprite, const Face& face);

}  // namespace orvane::demo
