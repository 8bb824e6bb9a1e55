// Shapes laid out on a square of side 1 around a centre, so one drawing serves every size: the
// menu pictograms and signs are drawn through it.
#pragma once

#include "shapes.h"

namespace orvane::demo {

struct UnitFrame {
    Point c;
    float s;
    Point at(float u, float v) const { return {c.x + u * s, c.y + v * s}; }
    Shape Rect(float u0, float v0, float u1, float v1, float radius = 0) const {
        return RoundRect(c.x + u0 * s, c.y + v0 * s, c.x + u1 * s, c.y + v1 * s, radius * s);
    }
    Shape Line(float u0, float v0, float u1, float v1, float width) const {
        return Capsule(at(u0, v0), at(u1, v1), width * s / 2);
    }
    Shape Disc(float u, float v, float r) const { return Ellipse(at(u, v), r * s, r * s); }
};

}  // namespace orvane::demo
