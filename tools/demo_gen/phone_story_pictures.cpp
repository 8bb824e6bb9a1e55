// The pictures of the phone game's story, one pair to a screen: a scene of 176 x 150, which the
// engine copies under the status bar, and a figure it blends over the scene's centre. The story
// goes from the storm on the shore up the lighthouse's stairs to the lamp room, and ends either
// with the lamp lit at dawn or with a boat rowing away in the dark.
#include <cmath>

#include "menu_icons.h"
#include "phone_display.h"
#include "phone_scenery.h"
#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr int kW = kScenePictureWidth;
constexpr int kH = kScenePictureHeight;

constexpr Rgb kGhost = Hex(0xAEE4FF);
constexpr Rgb kStone = Hex(0x4A4E5A);

void DrawSea(Canvas& c, float horizon, Rgb top, Rgb deep, uint32_t seed) {
    c.FillBelow([&](float) { return horizon; }, top, deep, kH - horizon);
    Random random(seed);
    for (int i = 0; i < 60; ++i) {
        const float y = random.Between(horizon + 2, kH);
        const float x = random.Between(0, kW);
        const float length = 3 + (y - horizon) * 0.25f;
        c.Fill(Capsule({x, y}, {x + length, y}, 0.5f), Shade(top, 0.35f), 0.5f);
    }
}

}  // namespace

Image DrawPhoneCoast() {
    Canvas c(kW, kH);
    static constexpr GradientStop kStorm[] = {{0, Hex(0x0A0C14)}, {0.6f, Hex(0x252B3C)}};
    c.VerticalGradient(kStorm);
    // Heavy clouds and, behind them, a flash of lightning.
    c.Glow(40, 20, 50, Hex(0x8090C0), 0.35f);
    c.Fill(Capsule({30, 12}, {38, 30}, 0.8f), Hex(0xE0E8FF), 0.9f);
    c.Fill(Capsule({38, 30}, {32, 42}, 0.7f), Hex(0xE0E8FF), 0.9f);
    DrawSea(c, 92, Hex(0x1D2940), Hex(0x070B14), 0xC0A57);
    // The cliff on the right with the dark lighthouse, the shore in front.
    c.FillBelow([](float x) { return x < 110 ? 400.0f : 96 - (x - 110) * 0.45f; }, Hex(0x1A1C22),
                Hex(0x08090C), 40);
    DrawLighthouse(c, 150, 70, 52, false);
    c.Glow(150, 27, 8, Hex(0x6FA8FF), 0.5f);  // the faint blue fire up in the lamp
    c.FillBelow([](float x) { return 132 + 3 * std::sin(x / 14); }, Hex(0x3A3226), Hex(0x1A160F),
                18);
    DrawRain(c, 140, 0x4A1A);
    return c.ToImage();
}

Image DrawPhoneStairs() {
    Canvas c(kW, kH);
    static constexpr GradientStop kWall[] = {{0, Hex(0x1A1B22)}, {1, Hex(0x30323C)}};
    c.VerticalGradient(kWall);
    // Stones of the round wall.
    for (int row = 0; row < 10; ++row) {
        const float y = row * 15.0f;
        for (int k = -1; k < 8; ++k) {
            const float x = k * 26.0f + (row % 2) * 13;
            c.Fill(RoundRect(x + 1, y + 1, x + 25, y + 14, 3),
                   Shade(kStone, -0.35f + 0.04f * ((row * 7 + k * 3) % 5)), 0.6f);
        }
    }
    // A narrow window with the moon's light falling in.
    c.Fill(RoundRect(124, 18, 146, 62, 10), Hex(0x1C2C58));
    c.Disc({136, 32, 5}, Hex(0xF2ECD0));
    c.Fill(Polygon({{124, 40}, {146, 40}, {110, 150}, {60, 150}}), Hex(0xB0C4FF), 0.08f, 6);
    // The spiral stairs, step above step to the upper left.
    for (int i = 0; i < 7; ++i) {
        const float x = 20 + i * 14.0f, y = 140 - i * 16.0f;
        c.Fill(Polygon({{x, y}, {x + 60, y}, {x + 68, y + 10}, {x + 6, y + 10}}),
               Shade(kStone, 0.1f - i * 0.06f));
        c.Fill(RoundRect(x + 6, y + 10, x + 68, y + 14, 0), Shade(kStone, -0.5f));
    }
    return c.ToImage();
}

Image DrawPhoneLampRoom() {
    Canvas c(kW, kH);
    static constexpr GradientStop kNightSky[] = {{0, Hex(0x070B1C)}, {1, Hex(0x17234A)}};
    c.VerticalGradient(kNightSky);
    DrawStars(c, 30, 90, 0x1A4B);
    // The glazing bars of the lamp room, then the great lens in the middle on its stand.
    for (const float x : {8.0f, 60.0f, 116.0f, 168.0f}) {
        c.Fill(RoundRect(x - 2, 0, x + 2, 118, 0), Hex(0x2A2C34));
    }
    c.Fill(RoundRect(0, 112, kW, kH, 0), Hex(0x2A2A30));
    // The lens stands to the left, where the keeper's ghost does not hide it.
    c.Fill(RoundRect(22, 100, 46, 140, 2), Hex(0x55504A));
    for (int ring = 4; ring >= 0; --ring) {
        const float r = 12 + ring * 6.0f;
        c.Fill(Ellipse({34, 66}, r * 0.6f, r), Mix(Hex(0x86A9B8), Hex(0xCFE6EE), ring / 4.0f),
               0.55f);
    }
    c.Glow(34, 66, 26, Hex(0x6FA8FF), 0.45f);  // the blue fire inside
    c.Fill(RoundRect(0, 118, kW, 121, 0), Hex(0x8C7A5A));
    return c.ToImage();
}

Image DrawPhoneDawn() {
    Canvas c(kW, kH);
    static constexpr GradientStop kDawn[] = {
        {0, Hex(0x1A2450)}, {0.4f, Hex(0x6A5A88)}, {0.6f, Hex(0xF0A070)}};
    c.VerticalGradient(kDawn);
    c.Glow(60, 92, 50, Hex(0xFFD8A0), 0.5f);
    DrawSea(c, 92, Hex(0x4A5A88), Hex(0x1A2244), 0xDA3A);
    // A ship out at sea, safe, and the beam that guided it.
    c.Fill(Polygon({{30, 88}, {56, 88}, {52, 93}, {34, 93}}), Hex(0x20202A));
    c.Fill(Polygon({{43, 70}, {43, 87}, {54, 87}}), Hex(0xF0EADC));
    c.FillBelow([](float x) { return x < 110 ? 400.0f : 96 - (x - 110) * 0.45f; }, Hex(0x3A3040),
                Hex(0x1A1420), 40);
    c.Fill(Polygon({{150, 26}, {0, 10}, {0, 44}}), kLampLight, 0.35f, 4);
    DrawLighthouse(c, 150, 70, 52, true);
    return c.ToImage();
}

// The keeper's ghost with his lantern, pale and half see-through.
Image DrawPhoneGhost() {
    Sprite s(76, 116);
    const Shape body = Union(
        Ellipse({36, 30}, 14, 16),
        Polygon(
            {{22, 34}, {50, 34}, {62, 104}, {52, 96}, {42, 106}, {32, 96}, {22, 106}, {10, 98}}));
    s.Fill(Grow(body, 3), kGhost, 0.25f, 6);
    s.Fill(
        body, [](float, float y) { return Mix(kGhost, Hex(0x5A8AB8), y / 112); }, 0.7f);
    // Hollow eyes, a cap, and the arm that holds the lantern out.
    s.Fill(Ellipse({31, 30}, 2.5f, 3.5f), Hex(0x10243A));
    s.Fill(Ellipse({41, 30}, 2.5f, 3.5f), Hex(0x10243A));
    s.Fill(RoundRect(21, 12, 51, 19, 3), Hex(0x2A3A58));
    s.Fill(Capsule({46, 48}, {58, 58}, 3.5f), Mix(kGhost, Hex(0x5A8AB8), 0.4f), 0.75f);
    // The lantern is no ghost: it is solid, and its blue fire shines through its glass.
    s.Fill(Polygon({{54, 60}, {61, 55}, {68, 60}}), Hex(0x30343C));
    s.Fill(RoundRect(55, 60, 67, 78, 1.5f), Hex(0x30343C));
    s.Fill(RoundRect(57, 62, 65, 76, 1), Hex(0x8FC4FF));
    s.Fill(RoundRect(54, 77, 68, 80, 1), Hex(0x30343C));
    s.Halo({61, 69}, 12, Hex(0x9FD0FF), 0.6f);
    return s.ToImage();
}

// The rowing boat that carries the player away.
Image DrawPhoneBoat() {
    Sprite s(92, 48);
    // Ripples round the hull, soft where they meet the water.
    s.Fill(Ellipse({46, 41}, 42, 3), Hex(0x8FA8C8), 0.5f, 4);
    const Shape hull = Polygon({{4, 26}, {88, 26}, {76, 42}, {14, 42}});
    s.Fill(hull, [](float, float y) { return Shade(Hex(0x6A4A2A), 0.15f - (y - 26) / 40); });
    s.Fill(RoundRect(4, 24, 88, 28, 2), Hex(0x8A6A40));
    // The rower bent over the oars.
    s.Fill(Ellipse({46, 10}, 5, 5.5f), Hex(0x30343C));
    s.Fill(Capsule({46, 14}, {50, 26}, 5), Hex(0x30343C));
    s.Fill(Capsule({24, 18}, {80, 38}, 1.4f), Hex(0xB09060));
    return s.ToImage();
}

}  // namespace orvane::demo
