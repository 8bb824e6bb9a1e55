// A beach on a clear day: clouds, a lighthouse on an island, a sail, the sun glittering on the
// water. The letter-boxed journey shows only the top 570 rows, so the shore begins above that.
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kHorizon = 350;
constexpr float kShore = 520;
constexpr Point kSun{790, 140};

float ShoreLine(float x) {
    return kShore + 6 * std::sin(x / 90) + 3 * std::sin(x / 23 + 1);
}

void DrawSky(Canvas& canvas) {
    static constexpr GradientStop kDay[] = {
        {0.00f, Hex(0x2F6CB5)},  {0.22f, Hex(0x5E9DD8)}, {0.40f, Hex(0xAED4EE)},
        {0.455f, Hex(0xEDEBDD)}, {0.46f, Hex(0x86BBD8)}, {0.56f, Hex(0x2E78AC)},
        {0.66f, Hex(0x2D8FA8)},  {0.70f, Hex(0x69C3BE)},
    };
    canvas.VerticalGradient(kDay);
    canvas.Glow(kSun.x, kSun.y, 360, Hex(0xFFF0C0), 0.35f);
    canvas.Glow(kSun.x, kSun.y, 70, Hex(0xFFFFF0), 0.9f);
    canvas.Disc({kSun.x, kSun.y, 26}, Hex(0xFFFDF0));
}

void DrawCloud(Canvas& canvas, float x, float y, float size, uint32_t seed) {
    Random random(seed);
    const Rgb shadow = Hex(0xC2D4E6);
    for (int i = 0; i < 9; ++i) {
        const float dx = random.Between(-1.6f, 1.6f) * size;
        const float r = size * random.Between(0.45f, 0.8f) * (1 - std::fabs(dx) / (3 * size));
        const Point c{x + dx, y - random.Between(0, 0.5f) * size};
        canvas.Fill(
            Ellipse(c, r * 1.2f, r),
            [=](float, float py) {
                return Mix(Hex(0xFFFFFF), shadow, std::clamp((py - c.y + r * 0.2f) / r, 0.f, 1.f));
            },
            0.95f, 3);
    }
}

void DrawIsland(Canvas& canvas) {
    canvas.Fill(
        Intersect(Ellipse({170, kHorizon + 2}, 140, 24), RoundRect(0, 0, kWidth, kHorizon + 1, 0)),
        Hex(0x6D8B8A));
    canvas.Fill(
        Intersect(Ellipse({120, kHorizon + 2}, 60, 12), RoundRect(0, 0, kWidth, kHorizon + 1, 0)),
        Hex(0x5E7C7A));
    const float x = 196, base = kHorizon - 18, top = kHorizon - 84;
    const Shape tower = Polygon({{x - 9, base}, {x + 9, base}, {x + 6, top}, {x - 6, top}});
    canvas.Fill(tower, Hex(0xF4F1EA));
    for (const float band : {0.25f, 0.6f}) {
        const float y = base + (top - base) * band;
        canvas.Fill(Intersect(RoundRect(x - 12, y - 6, x + 12, y + 6, 0), tower), Hex(0xC94A3C));
    }
    canvas.Fill(RoundRect(x - 8, top - 12, x + 8, top, 2), Hex(0xFFE6A0));
    canvas.Fill(Polygon({{x - 10, top - 12}, {x, top - 22}, {x + 10, top - 12}}), Hex(0xC94A3C));
    canvas.Glow(x, top - 6, 26, Hex(0xFFF0B0), 0.3f);
}

void DrawSail(Canvas& canvas, float x, float y) {
    canvas.Fill(Polygon({{x - 18, y}, {x + 20, y}, {x + 14, y + 6}, {x - 14, y + 6}}),
                Hex(0x6A4A3A));
    canvas.Fill(Polygon({{x, y - 42}, {x + 16, y - 3}, {x, y - 3}}), Hex(0xFBF7EE));
    canvas.Fill(Polygon({{x - 2, y - 36}, {x - 2, y - 3}, {x - 16, y - 3}}), Hex(0xE8E2D4));
}

void DrawWater(Canvas& canvas) {
    Random random(0x5EA);
    // The sun's path on the water, in small bright dashes.
    for (int i = 0; i < 420; ++i) {
        const float depth = std::pow(random.Next(), 1.4f);
        const float y = kHorizon + 4 + depth * (kShore - kHorizon - 10);
        const float spread = 20 + depth * 140;
        const float x = kSun.x + (random.Next() + random.Next() - 1) * spread;
        const float length = 3 + depth * 16;
        canvas.Light(Capsule({x - length, y}, {x + length, y}, 0.6f + depth * 0.8f), Hex(0xFFF6D8),
                     random.Between(0.2f, 0.6f));
    }
    for (int i = 0; i < 260; ++i) {
        const float depth = std::pow(random.Next(), 1.2f);
        const float y = kHorizon + 6 + depth * (kShore - kHorizon - 8);
        const float x = random.Between(0, kWidth);
        const float length = 6 + depth * 40;
        canvas.Fill(Capsule({x - length, y}, {x + length, y + 1}, 0.5f + depth * 1.2f),
                    Hex(0xD8F0F4), 0.35f);
    }
}

void DrawBeach(Canvas& canvas) {
    canvas.FillBelow([](float x) { return ShoreLine(x) - 4; }, Hex(0xB9A47C), Hex(0xD9C494), 18);
    canvas.FillBelow([](float x) { return ShoreLine(x) + 14 + 4 * std::sin(x / 140); },
                     Hex(0xEEDCAE), Hex(0xD4B47E), 230);
    // Foam where the waves run up the sand.
    canvas.Fill(Polygon([] {
                    std::vector<Point> foam;
                    for (float x = -10; x <= kWidth + 10; x += 8)
                        foam.push_back({x, ShoreLine(x) - 5});
                    for (float x = kWidth + 10; x >= -10; x -= 8) {
                        foam.push_back({x, ShoreLine(x) + 2 + 3 * std::sin(x / 17)});
                    }
                    return foam;
                }()),
                Hex(0xFFFFFF), 0.85f, 2);
    Random random(0x5A4D);
    for (int i = 0; i < 120; ++i) {
        const float y = random.Between(kShore + 30, kHeight);
        const float r = 0.8f + 2.5f * (y - kShore) / 250;
        canvas.Fill(Ellipse({random.Between(0, kWidth), y}, r * 1.4f, r),
                    Mix(Hex(0xB89A6A), Hex(0xF6EBD0), random.Next()), 0.8f);
    }
    // Dune grass in the near corner.
    for (int i = 0; i < 40; ++i) {
        const float x = 900 + random.Between(-60, 140);
        const float y = 760 - random.Between(0, 30);
        canvas.Fill(
            Capsule({x, y}, {x + random.Between(-30, 10), y - random.Between(50, 110)}, 2.2f, 0.4f),
            Mix(Hex(0x7C8E4A), Hex(0xB4B872), random.Next()));
    }
}

}  // namespace

Image DrawSeaBackground() {
    Canvas canvas(kWidth, kHeight);
    DrawSky(canvas);
    DrawCloud(canvas, 200, 120, 60, 0xC10D1);
    DrawCloud(canvas, 520, 200, 40, 0xC10D2);
    DrawCloud(canvas, 930, 260, 34, 0xC10D3);
    DrawCloud(canvas, 660, 70, 30, 0xC10D4);
    DrawIsland(canvas);
    DrawSail(canvas, 560, kHorizon + 12);
    DrawWater(canvas);
    DrawBeach(canvas);
    return canvas.ToImage();
}

}  // namespace orvane::demo
