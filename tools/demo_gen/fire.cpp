// A camp fire in three frames for a frame cycle: the logs and stones stay put, the flames rise
// and sway differently in each, and the glow breathes.
#include <array>
#include <cmath>
#include <numbers>

#include "figure_parts.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 200;
constexpr Point kBase{80, 164};

struct Tongue {
    float dx;  // from the middle of the fire
    float height;
    float width;
    float sway;  // how far the tip leans, to the right when positive
};

// A flame: round at the bottom, flickering to a point, its tip leaning by `sway`.
Shape Flame(Point base, float height, float width, float sway) {
    constexpr int kSteps = 24;
    std::vector<Point> left, right;
    for (int i = 0; i <= kSteps; ++i) {
        const float t = static_cast<float>(i) / kSteps;
        const float half =
            width * std::pow(1 - t, 1.1f) * std::sqrt(std::min(1.0f, t / 0.18f + 0.1f));
        const float x =
            base.x + sway * t * t + 0.15f * sway * std::sin(t * 2 * std::numbers::pi_v<float>);
        const float y = base.y - height * t;
        left.push_back({x - half, y});
        right.push_back({x + half, y});
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    return Polygon(std::move(left));
}

void DrawLogs(Sprite& s) {
    const Rgb bark = Hex(0x5A3A24);
    const Rgb cut = Hex(0xD9B282);
    for (const auto& [a, b] :
         {std::pair{Point{28, 180}, Point{128, 158}}, {Point{34, 158}, Point{134, 180}}}) {
        Outlined(s, Capsule(a, b, 9), bark);
        Outlined(s, Ellipse(b, 6, 9), cut);
        s.Fill(Ellipse(b, 2.5f, 4), Shade(cut, -0.3f));
    }
    // Embers glowing where the logs cross.
    s.Fill(Ellipse({80, 168}, 26, 7), Hex(0xFF6A1A), 0.9f, 5);
    s.Fill(Ellipse({80, 168}, 14, 4), Hex(0xFFD060), 0.9f, 4);
    // The bottom row stays empty, as around every figure.
    const std::array<Point, 6> stones{
        {{18, 184}, {42, 188}, {68, 190}, {94, 190}, {119, 188}, {142, 183}}};
    for (const Point p : stones) Outlined(s, Ellipse(p, 12, 6), Hex(0x7C7670));
}

void DrawFlames(Sprite& s, const std::array<Tongue, 4>& tongues, float glow) {
    static constexpr Rgb kLayers[] = {Hex(0xE2421B), Hex(0xFF8A1E), Hex(0xFFD24A), Hex(0xFFF6D2)};
    static constexpr float kScale[] = {1.0f, 0.78f, 0.55f, 0.3f};
    for (int layer = 0; layer < 4; ++layer) {
        for (const Tongue& t : tongues) {
            const float k = kScale[layer];
            s.Fill(Flame({kBase.x + t.dx * k, kBase.y + 2}, t.height * k, t.width * k, t.sway * k),
                   kLayers[layer], layer == 0 ? 0.9f : 1.0f, 2 + 2.0f * (1 - k));
        }
    }
    s.Halo({kBase.x, kBase.y - 40}, 70, Hex(0xFFB050), glow);
}

void DrawSparks(Sprite& s, std::initializer_list<Point> sparks) {
    for (const Point p : sparks) {
        s.Fill(Ellipse(p, 2.2f, 2.2f), Hex(0xFFD36A), 1, 2);
    }
}

Image DrawFireFrame(const std::array<Tongue, 4>& tongues, float glow,
                    std::initializer_list<Point> sparks) {
    Sprite sprite(kWidth, kHeight);
    sprite.Halo({kBase.x, kBase.y - 46}, 78, Hex(0xFF9A40), 0.3f);
    DrawLogs(sprite);
    DrawFlames(sprite, tongues, glow);
    DrawSparks(sprite, sparks);
    return sprite.ToImage();
}

}  // namespace

Image DrawFire1() {
    return DrawFireFrame({{{-20, 70, 16, -10}, {0, 118, 24, 8}, {18, 84, 16, 14}, {6, 52, 22, -4}}},
                         0.18f, {{58, 40}, {104, 22}});
}

Image DrawFire2() {
    return DrawFireFrame({{{-18, 88, 16, 6}, {2, 104, 24, -12}, {20, 70, 15, 8}, {-4, 58, 22, 6}}},
                         0.24f, {{92, 34}, {70, 14}, {112, 56}});
}

Image DrawFire3() {
    return DrawFireFrame(
        {{{-22, 76, 15, -16}, {0, 126, 23, -2}, {16, 96, 17, 18}, {4, 50, 22, -6}}}, 0.2f,
        {{50, 28}, {84, 8}});
}

}  // namespace orvane::demo
