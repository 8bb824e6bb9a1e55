// A clearing in a fir forest on a late summer afternoon: a path winds away towards the light.
// The middle of the meadow is left open, where characters stand.
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kHorizon = 520;
constexpr Point kSun{700, 250};

void DrawSky(Canvas& canvas) {
    static constexpr GradientStop kAfternoon[] = {
        {0.00f, Hex(0x7FB4C4)},
        {0.30f, Hex(0xBFDCCB)},
        {0.55f, Hex(0xF4E6B6)},
        {0.70f, Hex(0xF7DDA0)},
    };
    canvas.VerticalGradient(kAfternoon);
    canvas.Glow(kSun.x, kSun.y, 480, Hex(0xFFE2A0), 0.35f);
    canvas.Glow(kSun.x, kSun.y, 110, Hex(0xFFF6D8), 0.6f);
}

// A row of firs whose colour fades into the haze with distance.
void DrawTreeRow(Canvas& canvas, uint32_t seed, float baseY, float low, float high, Rgb color,
                 float spacing) {
    Random random(seed);
    for (float x = -20; x < kWidth + 20; x += spacing * random.Between(0.6f, 1.3f)) {
        const float height = random.Between(low, high);
        canvas.Fir(x, baseY + random.Between(-8, 8), height,
                   Shade(color, random.Between(-0.1f, 0.06f)));
    }
}

void DrawMist(Canvas& canvas, float centreY, float spread, float amount) {
    for (int y = static_cast<int>(centreY - 3 * spread); y < centreY + 3 * spread; ++y) {
        const float d = (y - centreY) / spread;
        for (int x = 0; x < kWidth; ++x) canvas.Add(x, y, Hex(0xFFF4D8), amount * std::exp(-d * d));
    }
}

float PathCentre(float y) {
    const float t = y - kHorizon;
    return 610 - t * 0.55f + 38 * std::sin(t / 70);
}

float PathHalfWidth(float y) {
    return 5 + (y - kHorizon) * 0.72f;
}

// Bushes along the foot of the trees, so that no sky shows between their trunks.
void DrawUndergrowth(Canvas& canvas) {
    Random random(0xB05E5);
    for (float x = -30; x < kWidth + 30; x += random.Between(18, 34)) {
        const float r = random.Between(18, 34);
        const Rgb leaf = Mix(Hex(0x3F6A48), Hex(0x5F8C55), random.Next());
        canvas.Fill(Ellipse({x, kHorizon - r * 0.3f}, r * 1.4f, r), leaf, 1, 2);
        canvas.Fill(Ellipse({x - r * 0.3f, kHorizon - r * 0.7f}, r * 0.7f, r * 0.35f),
                    Shade(leaf, 0.2f), 0.6f, 8);
    }
}

void DrawGround(Canvas& canvas) {
    canvas.FillBelow(
        [](float x) { return kHorizon + 6 * std::sin(x / 130) + 3 * std::sin(x / 37); },
        Hex(0x9DC46A), Hex(0x4E7C38), 240);
    std::vector<Point> path;
    for (float y = kHorizon + 2; y <= kHeight + 10; y += 8) {
        path.push_back({PathCentre(y) - PathHalfWidth(y), y});
    }
    for (float y = kHeight + 10; y >= kHorizon + 2; y -= 8) {
        path.push_back({PathCentre(y) + PathHalfWidth(y), y});
    }
    const Paint earth = [](float x, float y) {
        const float across = std::fabs(x - PathCentre(y)) / PathHalfWidth(y);
        const Rgb sand =
            Mix(Hex(0xE8CC92), Hex(0xC99E62), std::clamp((y - kHorizon) / 250, 0.f, 1.f));
        return Mix(sand, Hex(0x8E7446), across * across * 0.6f);
    };
    canvas.Fill(Polygon(std::move(path)), earth, 1, 3);
}

void DrawBeams(Canvas& canvas) {
    // Shafts of light slanting down from the sun between the trees.
    for (const float spread : {-220.0f, -90.0f, 60.0f, 190.0f}) {
        const float w = 26 + std::fabs(spread) * 0.12f;
        canvas.Light(Polygon({{kSun.x + spread * 0.2f, 0},
                              {kSun.x + spread * 0.2f + w, 0},
                              {kSun.x + spread * 1.5f - 260 + w * 2.4f, 620},
                              {kSun.x + spread * 1.5f - 260, 620}}),
                     Hex(0xFFF1C8), 0.08f, 60);
    }
}

void DrawTrunk(Canvas& canvas, float x, float width, float bottom) {
    const Rgb bark = Hex(0x4C3627);
    canvas.Fill(Polygon({{x - width * 0.42f, -5},
                         {x + width * 0.42f, -5},
                         {x + width * 0.5f, bottom},
                         {x + width * 0.75f, bottom + 12},
                         {x - width * 0.75f, bottom + 12},
                         {x - width * 0.5f, bottom}}),
                [=](float px, float) {
                    const float t = std::clamp((px - x + width * 0.5f) / width, 0.f, 1.f);
                    return Mix(Shade(bark, 0.15f), Shade(bark, -0.45f), t);
                });
    Random random(static_cast<uint32_t>(x * 31 + 7));
    for (int i = 0; i < 14; ++i) {
        const float bx = x + random.Between(-0.35f, 0.35f) * width;
        const float by = random.Between(0, bottom);
        canvas.Fill(
            Capsule({bx, by}, {bx + random.Between(-2, 2), by + random.Between(30, 80)}, 1.5f),
            Shade(bark, -0.5f), 0.6f, 2);
    }
}

// Hanging branches that frame the top of the picture.
void DrawCanopy(Canvas& canvas, float x0, float x1, uint32_t seed) {
    Random random(seed);
    for (int i = 0; i < 70; ++i) {
        const float x = random.Between(x0, x1);
        const float y = random.Between(-40, 150) *
                        (0.6f + 0.4f * std::fabs(x - (x0 + x1) / 2) / std::fabs(x1 - x0));
        const float r = random.Between(26, 60);
        const Rgb leaf = Mix(Hex(0x24472C), Hex(0x3E6E3A), random.Next());
        canvas.Fill(Ellipse({x, y}, r * 1.3f, r), leaf, 1, 2);
        canvas.Fill(Ellipse({x - r * 0.3f, y - r * 0.35f}, r * 0.6f, r * 0.4f), Shade(leaf, 0.25f),
                    0.5f, 10);
    }
}

void DrawMeadow(Canvas& canvas) {
    Random random(0x6EADE5);
    for (int i = 0; i < 900; ++i) {
        const float y = kHorizon + 20 + 250 * std::pow(random.Next(), 0.7f);
        const float x = random.Between(0, kWidth);
        const float onPath = std::fabs(x - PathCentre(y)) / PathHalfWidth(y);
        if (onPath < 0.9f) continue;
        const float size = (y - kHorizon) / 250;
        const float height = 10 + 26 * size * random.Between(0.6f, 1.2f);
        const float lean = random.Between(-8, 8) * size;
        const Rgb blade = Mix(Hex(0x5C8F3A), Hex(0xB5D77A), random.Next() * 0.8f);
        canvas.Fill(Capsule({x, y}, {x + lean, y - height}, 1.2f + 1.4f * size, 0.3f), blade);
    }
    static constexpr uint32_t kFlowers[] = {0xFFFFFF, 0xF6D94A, 0xE98AB8, 0x8FA8F0};
    for (int i = 0; i < 160; ++i) {
        const float y = kHorizon + 30 + 238 * std::pow(random.Next(), 0.8f);
        const float x = random.Between(0, kWidth);
        if (std::fabs(x - PathCentre(y)) / PathHalfWidth(y) < 1.05f) continue;
        const float r = 1.2f + 3.4f * (y - kHorizon) / 250;
        const Rgb petal = Hex(kFlowers[i % 4]);
        canvas.Fill(Ellipse({x, y}, r * 1.3f, r), petal);
        canvas.Fill(Ellipse({x, y}, r * 0.4f, r * 0.4f), Hex(0xE0A030));
    }
}

}  // namespace

Image DrawForestBackground() {
    Canvas canvas(kWidth, kHeight);
    DrawSky(canvas);
    DrawTreeRow(canvas, 0xF0E57, kHorizon - 30, 90, 170, Hex(0x9CBBA3), 26);
    DrawMist(canvas, kHorizon - 40, 30, 0.12f);
    DrawTreeRow(canvas, 0xF0E58, kHorizon - 4, 150, 270, Hex(0x5D8A6A), 46);
    DrawMist(canvas, kHorizon - 10, 16, 0.08f);
    DrawUndergrowth(canvas);
    DrawGround(canvas);
    DrawBeams(canvas);
    DrawTrunk(canvas, 64, 78, 712);
    DrawTrunk(canvas, 168, 34, 590);
    DrawTrunk(canvas, 944, 92, 730);
    DrawCanopy(canvas, -60, 300, 0xCA70);
    DrawCanopy(canvas, 760, 1090, 0xCA71);
    DrawMeadow(canvas);
    return canvas.ToImage();
}

}  // namespace orvane::demo
