#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// Stars thin out towards the glow of the horizon and are gone below this line.
constexpr float kStarLimit = kHeight * 0.58f;

void DrawSky(Canvas& canvas) {
    static constexpr GradientStop kDusk[] = {
        {0.00f, Hex(0x0A0F2C)}, {0.28f, Hex(0x1F1F4D)}, {0.45f, Hex(0x4B2F66)},
        {0.57f, Hex(0x93476F)}, {0.66f, Hex(0xD9705F)}, {0.72f, Hex(0xF3A35E)},
        {0.77f, Hex(0xF8CF7E)},
    };
    canvas.VerticalGradient(kDusk);
    // The sun has just set behind the far hills; its light lingers there.
    canvas.Glow(640, 600, 430, Hex(0xFF9A50), 0.30f);
    canvas.Glow(640, 600, 150, Hex(0xFFD9A0), 0.45f);
}

void DrawStars(Canvas& canvas) {
    Random random(0x0DA5C0DE);
    for (int i = 0; i < 230; ++i) {
        const float x = random.Between(0, kWidth);
        const float y = kStarLimit * std::pow(random.Next(), 1.6f);
        const float fade = std::pow(1 - y / kStarLimit, 1.2f);
        const float brightness = random.Between(0.25f, 1.0f) * fade;
        const Rgb tint = Mix(Hex(0xCFDAFF), Hex(0xFFF0D0), random.Next());
        const float size = random.Between(0.45f, 1.25f);
        canvas.Disc({x, y, size}, tint, brightness);
        if (random.Next() < 0.08f) canvas.Glow(x, y, 7, tint, 0.25f * brightness);
    }
}

void DrawMoon(Canvas& canvas) {
    canvas.Glow(200, 140, 130, Hex(0xB8BEFF), 0.10f);
    canvas.Disc({200, 140, 30}, Hex(0xFFF3D6), 1, Circle{214, 129, 27});
}

// A ridge as a few overlapping waves: irregular enough to look like land.
float Ridge(float x, float base, const float (&waves)[3][3]) {
    float y = base;
    for (const auto& wave : waves) y += wave[0] * std::sin(x / wave[1] + wave[2]);
    return y;
}

void DrawMist(Canvas& canvas, float centreY, float spread) {
    for (int y = static_cast<int>(centreY - 3 * spread); y < centreY + 3 * spread; ++y) {
        const float d = (y - centreY) / spread;
        const float amount = 0.09f * std::exp(-d * d);
        for (int x = 0; x < kWidth; ++x) canvas.Add(x, y, Hex(0xE0A8C0), amount);
    }
}

void DrawLand(Canvas& canvas) {
    static constexpr float kFar[3][3] = {{28, 170, 0.6f}, {16, 67, 2.1f}, {6, 23, 0.0f}};
    static constexpr float kMiddle[3][3] = {{35, 230, 2.4f}, {14, 90, 0.3f}, {5, 31, 1.1f}};
    static constexpr float kNear[3][3] = {{30, 260, 4.0f}, {10, 75, 1.7f}, {3, 19, 0.4f}};
    const auto far = [](float x) { return Ridge(x, 575, kFar); };
    const auto middle = [](float x) { return Ridge(x, 622, kMiddle); };
    const auto near = [](float x) { return Ridge(x, 694, kNear); };

    canvas.FillBelow(far, Hex(0x45335F), Hex(0x2E2549), 160);
    DrawMist(canvas, 622, 18);
    canvas.FillBelow(middle, Hex(0x2A2142), Hex(0x1C172F), 120);
    static constexpr float kMiddleFirs[][2] = {
        {118, 34}, {131, 46}, {146, 30}, {402, 38}, {417, 52}, {806, 36}, {822, 44}, {839, 28},
    };
    for (const auto& fir : kMiddleFirs)
        canvas.Fir(fir[0], middle(fir[0]) + 4, fir[1], Hex(0x1B1530));
    canvas.FillBelow(near, Hex(0x151026), Hex(0x0B0914), 80);
    static constexpr float kNearFirs[][2] = {{38, 118}, {71, 92}, {965, 104}, {998, 132}};
    for (const auto& fir : kNearFirs) canvas.Fir(fir[0], near(fir[0]) + 6, fir[1], Hex(0x0D0A17));
}

}  // namespace

Image DrawTitleBackground() {
    Canvas canvas(kWidth, kHeight);
    DrawSky(canvas);
    DrawStars(canvas);
    DrawMoon(canvas);
    DrawLand(canvas);
    return canvas.ToImage();
}

}  // namespace orvane::demo
