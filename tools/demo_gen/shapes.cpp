#include "shapes.h"

namespace orvane::demo {
namespace {

// Whole pixels around a box in picture coordinates, one pixel more for the anti-aliased edge.
Bounds Around(float x0, float y0, float x1, float y1) {
    return {static_cast<int>(std::floor(x0)) - 1, static_cast<int>(std::floor(y0)) - 1,
            static_cast<int>(std::ceil(x1)) + 1, static_cast<int>(std::ceil(y1)) + 1};
}

}  // namespace

Shape Ellipse(Point c, float rx, float ry) {
    return {Around(c.x - rx, c.y - ry, c.x + rx, c.y + ry), [=](float x, float y) {
                const float u = (x - c.x) / rx, v = (y - c.y) / ry;
                const float k0 = std::hypot(u, v);
                const float k1 = std::hypot(u / rx, v / ry);
                // k0 (k0 - 1) / k1 is close to the true distance near the edge, which is all
                // that anti-aliasing needs; the centre itself is simply deep inside.
                return k1 > 0 ? k0 * (k0 - 1) / k1 : -std::min(rx, ry);
            }};
}

Shape Capsule(Point a, Point b, float ra, float rb) {
    const float r = std::max(ra, rb);
    const Bounds bounds = Around(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r,
                                 std::max(a.x, b.x) + r, std::max(a.y, b.y) + r);
    return {bounds, [=](float x, float y) {
                const float ex = b.x - a.x, ey = b.y - a.y;
                const float length2 = ex * ex + ey * ey;
                const float t =
                    length2 > 0
                        ? std::clamp(((x - a.x) * ex + (y - a.y) * ey) / length2, 0.0f, 1.0f)
                        : 0.0f;
                return std::hypot(x - a.x - ex * t, y - a.y - ey * t) - (ra + (rb - ra) * t);
            }};
}

Shape RoundRect(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    return {Around(x0, y0, x1, y1), [=](float x, float y) {
                const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
                const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
                return outside + std::min(std::max(qx, qy), 0.0f) - radius;
            }};
}

Shape Polygon(std::vector<Point> points) {
    if (points.empty()) return {{}, [](float, float) { return 1e9f; }};
    float x0 = points[0].x, y0 = points[0].y, x1 = x0, y1 = y0;
    for (const Point& p : points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    return {Around(x0, y0, x1, y1), [points = std::move(points)](float x, float y) {
                // The nearest edge gives the distance; crossings of a ray give the side.
                float nearest = 1e30f;
                bool inside = false;
                for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                    const Point& p = points[i];
                    const Point& q = points[j];
                    const float ex = q.x - p.x, ey = q.y - p.y;
                    const float wx = x - p.x, wy = y - p.y;
                    const float length2 = ex * ex + ey * ey;
                    const float t =
                        length2 > 0 ? std::clamp((wx * ex + wy * ey) / length2, 0.0f, 1.0f) : 0;
                    const float bx = wx - ex * t, by = wy - ey * t;
                    nearest = std::min(nearest, bx * bx + by * by);
                    if ((p.y > y) != (q.y > y) && x < p.x + ex * (y - p.y) / ey) inside = !inside;
                }
                const float d = std::sqrt(nearest);
                return inside ? -d : d;
            }};
}

Shape Intersect(Shape shape, Shape mask) {
    const Bounds b{
        std::max(shape.bounds.x0, mask.bounds.x0), std::max(shape.bounds.y0, mask.bounds.y0),
        std::min(shape.bounds.x1, mask.bounds.x1), std::min(shape.bounds.y1, mask.bounds.y1)};
    return {b, [s = std::move(shape.distance), m = std::move(mask.distance)](float x, float y) {
                return std::max(s(x, y), m(x, y));
            }};
}

Shape Subtract(Shape shape, Shape cut) {
    return {shape.bounds, [s = std::move(shape.distance), c = std::move(cut.distance)](
                              float x, float y) { return std::max(s(x, y), -c(x, y)); }};
}

Shape Grow(Shape shape, float by) {
    const int pad = static_cast<int>(std::ceil(std::max(by, 0.0f)));
    const Bounds b{shape.bounds.x0 - pad, shape.bounds.y0 - pad, shape.bounds.x1 + pad,
                   shape.bounds.y1 + pad};
    return {b, [s = std::move(shape.distance), by](float x, float y) { return s(x, y) - by; }};
}

}  // namespace orvane::demo
