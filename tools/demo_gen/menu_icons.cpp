#include "menu_icons.h"

#include <cmath>

#include "unit_frame.h"

namespace orvane::demo {
namespace {

constexpr float kPi = 3.14159265f;

using Frame = UnitFrame;

Shape Gear(const Frame& f) {
    Shape gear = f.Disc(0, 0, 0.32f);
    for (int i = 0; i < 8; ++i) {
        const float a = kPi * i / 4;
        gear = Union(std::move(gear), f.Line(0.3f * std::cos(a), 0.3f * std::sin(a),
                                             0.44f * std::cos(a), 0.44f * std::sin(a), 0.16f));
    }
    return Subtract(std::move(gear), f.Disc(0, 0, 0.13f));
}

Shape Power(const Frame& f) {
    Shape ring = Subtract(f.Disc(0, 0.05f, 0.42f), f.Disc(0, 0.05f, 0.3f));
    // The ring opens at the top, where the stroke stands.
    ring = Subtract(std::move(ring), f.Rect(-0.2f, -0.5f, 0.2f, -0.05f));
    return Union(std::move(ring), f.Line(0, -0.45f, 0, -0.02f, 0.13f));
}

Shape Floppy(const Frame& f) {
    Shape body = Polygon({f.at(-0.45f, -0.45f), f.at(0.3f, -0.45f), f.at(0.45f, -0.3f),
                          f.at(0.45f, 0.45f), f.at(-0.45f, 0.45f)});
    body = Subtract(std::move(body), f.Rect(-0.25f, -0.36f, 0.2f, -0.08f, 0.03f));
    body = Union(std::move(body), f.Rect(0.04f, -0.32f, 0.13f, -0.12f));
    return Subtract(std::move(body), f.Rect(-0.3f, 0.08f, 0.3f, 0.36f, 0.04f));
}

Shape Die(const Frame& f) {
    Shape die = f.Rect(-0.45f, -0.45f, 0.45f, 0.45f, 0.12f);
    for (const Point pip : {Point{-0.22f, -0.22f}, Point{0, 0}, Point{0.22f, 0.22f}}) {
        die = Subtract(std::move(die), f.Disc(pip.x, pip.y, 0.085f));
    }
    return die;
}

Shape QuestionMark(const Frame& f) {
    Shape hook = Subtract(f.Disc(0, -0.2f, 0.27f), f.Disc(0, -0.2f, 0.14f));
    // Only the top and right of the circle, then the stem down the middle.
    hook = Subtract(std::move(hook), f.Rect(-0.5f, -0.17f, 0.02f, 0.2f));
    hook = Union(std::move(hook), f.Line(0.1f, 0.0f, 0, 0.15f, 0.13f));
    return Union(std::move(hook), f.Disc(0, 0.38f, 0.08f));
}

}  // namespace

Shape Union(Shape a, Shape b) {
    const Bounds bounds{std::min(a.bounds.x0, b.bounds.x0), std::min(a.bounds.y0, b.bounds.y0),
                        std::max(a.bounds.x1, b.bounds.x1), std::max(a.bounds.y1, b.bounds.y1)};
    return {bounds, [da = std::move(a.distance), db = std::move(b.distance)](float x, float y) {
                return std::min(da(x, y), db(x, y));
            }};
}

Shape IconShape(Icon icon, Point centre, float size) {
    const Frame f{centre, size};
    switch (icon) {
        case Icon::Play:
            return Polygon({f.at(-0.32f, -0.45f), f.at(0.45f, 0), f.at(-0.32f, 0.45f)});
        case Icon::Floppy:
            return Floppy(f);
        case Icon::Folder:
            return Union(f.Rect(-0.5f, -0.25f, 0.5f, 0.42f, 0.06f),
                         f.Rect(-0.5f, -0.4f, -0.05f, -0.15f, 0.06f));
        case Icon::Gear:
            return Gear(f);
        case Icon::House:
            return Subtract(
                Union(Polygon({f.at(-0.5f, -0.02f), f.at(0, -0.48f), f.at(0.5f, -0.02f)}),
                      f.Rect(-0.36f, -0.05f, 0.36f, 0.45f)),
                f.Rect(-0.09f, 0.12f, 0.09f, 0.46f));
        case Icon::Power:
            return Power(f);
        case Icon::Check:
            return Union(f.Line(-0.38f, 0.02f, -0.1f, 0.3f, 0.16f),
                         f.Line(-0.1f, 0.3f, 0.4f, -0.32f, 0.16f));
        case Icon::Cross:
            return Union(f.Line(-0.32f, -0.32f, 0.32f, 0.32f, 0.16f),
                         f.Line(-0.32f, 0.32f, 0.32f, -0.32f, 0.16f));
        case Icon::Die:
            return Die(f);
        case Icon::Question:
            return QuestionMark(f);
    }
    return f.Disc(0, 0, 0.4f);
}

}  // namespace orvane::demo
