// A standing iron lantern with a candle burning behind its glass; its glow is see-through, so
// the background shows warmly lit around it.
#include "figure_parts.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 200;
constexpr Point kFlame{60, 112};

constexpr Rgb kIron = Hex(0x34302E);

void DrawGlass(Sprite& s) {
    const Shape glass = RoundRect(40, 70, 80, 168, 3);
    s.Fill(
        glass,
        [](float x, float y) {
            const float d = std::hypot((x - kFlame.x) / 30, (y - kFlame.y) / 60);
            return Mix(Hex(0xFFF6D0), Hex(0xF0A040), std::clamp(d * d, 0.f, 1.f));
        },
        0.95f);
    // The candle and its flame.
    s.Fill(RoundRect(53, 124, 67, 164, 3), [](float x, float) {
        return Mix(Hex(0xFFF8E8), Hex(0xE8C89A), std::clamp((x - 53) / 14, 0.f, 1.f));
    });
    s.Fill(Capsule({60, 124}, {60, 120}, 1), Hex(0x3A2A20));
    s.Fill(Capsule({60, 116}, {60, 98}, 5.5f, 0.5f), Hex(0xFFB340), 1, 2);
    s.Fill(Capsule({60, 116}, {60, 104}, 3, 0.5f), Hex(0xFFFCE8), 1, 2);
    // A reflection on the glass, from the light of the room.
    s.Tint(Capsule({45, 78}, {45, 120}, 2), Hex(0xFFFFFF), 0.5f, 3);
}

void DrawFrame(Sprite& s) {
    const Rgb line = Shade(kIron, -0.6f);
    for (const float x : {40.0f, 80.0f}) {
        Outlined(s, RoundRect(x - 2.5f, 68, x + 2.5f, 168, 1), SideLit(kIron, x - 3, x + 3), line);
    }
    Outlined(s, RoundRect(36, 64, 84, 72, 2), SideLit(kIron, 36, 84), line);
    Outlined(s, Polygon({{30, 66}, {90, 66}, {72, 44}, {48, 44}}), SideLit(kIron, 30, 90), line);
    Outlined(s, Ellipse({60, 42}, 9, 6), SideLit(kIron, 51, 69), line);
    Outlined(s, Subtract(Ellipse({60, 24}, 14, 14), Ellipse({60, 24}, 9.5f, 9.5f)), kIron);
    Outlined(s, RoundRect(32, 166, 88, 180, 3), SideLit(kIron, 32, 88), line);
    for (const float x : {38.0f, 82.0f}) Outlined(s, Ellipse({x, 184}, 7, 5), kIron);
}

}  // namespace

Image DrawLantern() {
    Sprite sprite(kWidth, kHeight);
    sprite.Halo({kFlame.x, kFlame.y + 6}, 60, Hex(0xFFC060), 0.95f);
    DrawGlass(sprite);
    DrawFrame(sprite);
    return sprite.ToImage();
}

}  // namespace orvane::demo
