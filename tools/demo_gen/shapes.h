// Shapes described by their signed distance in pixels (negative inside). Every edge is then
// anti-aliased the same way, from the distance at the pixel's centre, and an edge is made soft
// by spreading that ramp over more pixels.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace orvane::demo {

struct Point {
    float x = 0;
    float y = 0;
};

// The pixels a shape can touch: columns x0 .. x1 - 1, rows y0 .. y1 - 1.
struct Bounds {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

struct Shape {
    Bounds bounds;
    std::function<float(float x, float y)> distance;
};

Shape Ellipse(Point centre, float rx, float ry);
// A stroke from `a` to `b` with round ends; the radius changes evenly from `ra` to `rb`, which
// gives limbs, tapering leaves and flames.
Shape Capsule(Point a, Point b, float ra, float rb);
inline Shape Capsule(Point a, Point b, float r) {
    return Capsule(a, b, r, r);
}
// Corners rounded by `radius`.
Shape RoundRect(float x0, float y0, float x1, float y1, float radius);
// Any simple polygon, the points in order around it.
Shape Polygon(std::vector<Point> points);

// Only the part of `shape` that `mask` covers too.
Shape Intersect(Shape shape, Shape mask);
// `shape` without the part that `cut` covers.
Shape Subtract(Shape shape, Shape cut);
// The shape made `by` pixels fatter all round (thinner when negative): outlines and shadows.
Shape Grow(Shape shape, float by);

// How much of the pixel a shape covers, for an edge `softness` pixels wide (1 = crisp).
inline float Coverage(float distance, float softness) {
    return std::clamp(0.5f - distance / std::max(softness, 1.0f), 0.0f, 1.0f);
}

// Calls visit(x, y, coverage) for every pixel of a width x height picture that the shape touches.
template <typename Visit>
void ForEachCovered(const Shape& shape, int width, int height, float softness, Visit visit) {
    // A soft edge reaches half its width beyond the shape's bounds.
    const int grow = static_cast<int>(std::ceil(softness / 2));
    const int x0 = std::max(0, shape.bounds.x0 - grow);
    const int y0 = std::max(0, shape.bounds.y0 - grow);
    const int x1 = std::min(width, shape.bounds.x1 + grow);
    const int y1 = std::min(height, shape.bounds.y1 + grow);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float cover = Coverage(shape.distance(x + 0.5f, y + 0.5f), softness);
            if (cover > 0) visit(x, y, cover);
        }
    }
}

}  // namespace orvane::demo
