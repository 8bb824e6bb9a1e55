// A gull gliding to the right, wings raised.
#include "figure_parts.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 90;

constexpr Rgb kFeather = Hex(0xEEF1F4);
constexpr Rgb kGrey = Hex(0xA7B1BC);
constexpr Rgb kTip = Hex(0x2E3238);
constexpr Rgb kLine = Hex(0x4E5660);

void DrawWing(Sprite& s, std::vector<Point> outline, float tipX, bool far) {
    const Shape wing = Grow(Polygon(std::move(outline)), 2);
    const Rgb base = far ? Shade(kGrey, -0.1f) : kFeather;
    Outlined(
        s, wing,
        [=](float, float y) { return Mix(base, kGrey, std::clamp((y - 20) / 40, 0.f, 1.f)); },
        kLine);
    const float side = tipX < 80 ? 1.0f : -1.0f;
    s.Fill(Intersect(wing, Polygon({{tipX + side * 26, 0},
                                    {tipX + side * 34, 0},
                                    {tipX + side * 30, 90},
                                    {tipX - side * 20, 90},
                                    {tipX - side * 20, 0}})),
           kTip);
}

}  // namespace

Image DrawBird() {
    Sprite s(kWidth, kHeight);
    DrawWing(s, {{80, 50}, {58, 24}, {40, 18}, {10, 24}, {26, 30}, {40, 34}, {54, 38}, {70, 56}},
             10, true);
    Outlined(s, Polygon({{54, 48}, {30, 42}, {32, 58}, {54, 56}}), kFeather);
    const Shape body = Ellipse({80, 54}, 32, 11);
    Outlined(
        s, body,
        [](float, float y) { return Mix(kFeather, kGrey, std::clamp((y - 50) / 14, 0.f, 1.f)); },
        kLine);
    Outlined(s, Ellipse({110, 47}, 11, 9.5f), kFeather);
    Outlined(s, Polygon({{118, 45}, {134, 49}, {118, 52}}), Hex(0xF2B233));
    s.Fill(Ellipse({125, 50}, 2, 1.5f), Hex(0xD0402A));
    s.Fill(Ellipse({113, 44}, 2, 2), kTip);
    DrawWing(s,
             {{78, 54}, {98, 24}, {114, 14}, {152, 16}, {136, 26}, {120, 32}, {104, 40}, {94, 58}},
             152, false);
    return s.ToImage();
}

}  // namespace orvane::demo
