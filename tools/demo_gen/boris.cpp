// Boris: a traveller in a long blue coat and a red scarf, bearded, a walking staff in his hand.
#include "figure_parts.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 600;

constexpr Rgb kSkin = Hex(0xE9BE9C);
constexpr Rgb kHair = Hex(0x4E3122);
constexpr Rgb kCoat = Hex(0x3E5F8A);
constexpr Rgb kTrousers = Hex(0x4D4038);
constexpr Rgb kBoots = Hex(0x3B2619);
constexpr Rgb kScarf = Hex(0xC23B33);
constexpr Rgb kBrass = Hex(0xE0B453);
constexpr Rgb kWood = Hex(0x86603C);

void DrawStaffAndLegs(Sprite& s) {
    Outlined(s, Capsule({66, 222}, {54, 588}, 4.5f), kWood);
    for (const float side : {-1.0f, 1.0f}) {
        const float x = 150 + side * 16;
        Outlined(s, Capsule({x, 430}, {x + side * 3, 556}, 16, 12), kTrousers);
        Outlined(s, Capsule({x + side * 3, 540}, {x + side * 3, 572}, 14), kBoots);
        Outlined(s, Ellipse({x + side * 8, 580}, 21, 10), kBoots);
        s.Tint(Ellipse({x + side * 3, 548}, 8, 4), Hex(0xFFFFFF), 0.18f, 4);
    }
}

void DrawCoat(Sprite& s) {
    const Shape coat =
        Grow(Polygon({{98, 166}, {202, 166}, {184, 300}, {212, 452}, {88, 452}, {116, 300}}), 8);
    Outlined(s, coat, SideLit(kCoat, 80, 220), Shade(kCoat, -0.7f));
    // The coat hangs open below the belt.
    s.Fill(Polygon({{150, 316}, {164, 462}, {136, 462}}), SideLit(kTrousers, 136, 164));
    s.Fill(Capsule({150, 316}, {136, 462}, 1.5f), Shade(kCoat, -0.7f));
    s.Fill(Capsule({150, 316}, {164, 462}, 1.5f), Shade(kCoat, -0.7f));
    for (const float x : {-46.0f, 40.0f}) {
        s.Tint(Intersect(Capsule({150 + x * 0.5f, 320}, {150 + x, 456}, 1, 5), coat),
               Shade(kCoat, -0.5f), 0.6f, 7);
    }
    // Lapels.
    for (const float side : {-1.0f, 1.0f}) {
        Outlined(s, Polygon({{150, 240}, {150 + side * 34, 166}, {150 + side * 40, 196}}),
                 Shade(kCoat, -0.15f));
    }
    for (float y = 250; y < 300; y += 20) Outlined(s, Ellipse({150, y}, 4.5f, 4.5f), kBrass);
    Outlined(s, RoundRect(114, 294, 186, 310, 4), Hex(0x5A3A22));
    Outlined(s, RoundRect(142, 293, 158, 311, 3), kBrass);
    s.Fill(RoundRect(146, 297, 154, 307, 2), Hex(0x5A3A22));
}

void DrawArms(Sprite& s) {
    // The near arm holds the staff.
    Outlined(s, Capsule({100, 182}, {80, 252}, 16, 14), kCoat);
    Outlined(s, Capsule({80, 252}, {70, 298}, 14, 12), kCoat);
    Outlined(s, Capsule({71, 296}, {69, 304}, 13), Shade(kCoat, -0.25f));
    Outlined(s, Ellipse({66, 314}, 12, 11), kSkin);
    s.Fill(Capsule({57, 311}, {75, 309}, 1), Shade(kSkin, -0.4f));
    // The other hangs at his side.
    Outlined(s, Capsule({200, 182}, {216, 256}, 16, 14), kCoat);
    Outlined(s, Capsule({216, 256}, {216, 316}, 14, 12), kCoat);
    Outlined(s, Capsule({216, 312}, {216, 320}, 13), Shade(kCoat, -0.25f));
    Outlined(s, Ellipse({216, 334}, 11, 13), kSkin);
}

void DrawHead(Sprite& s) {
    Outlined(s, Capsule({150, 110}, {150, 150}, 15), kSkin);
    Outlined(s, Ellipse({150, 76}, 37, 45), kSkin);
    for (const float side : {-1.0f, 1.0f})
        Outlined(s, Ellipse({150 + side * 37, 82}, 6, 10), kSkin);

    // A short beard along the jaw, the chin left a little fuller.
    const Shape jaw = Intersect(Grow(Ellipse({150, 80}, 37, 45), 3),
                                Polygon({{100, 86}, {200, 86}, {200, 140}, {100, 140}}));
    const Shape beard = Subtract(jaw, Ellipse({150, 84}, 30, 26));
    Outlined(s, beard, SideLit(kHair, 110, 190), Shade(kHair, -0.6f));
    for (const float side : {-1.0f, 1.0f}) {
        s.Fill(Capsule({150 + side * 2, 91}, {150 + side * 15, 96}, 4, 2), kHair);
    }
    DrawFace(s, {.centre = {150, 70},
                 .eyeGap = 30,
                 .eyeHeight = 7,
                 .iris = Hex(0x5B7294),
                 .brow = Hex(0x3A2418),
                 .browLift = 0,
                 .browWeight = 2.5f,
                 .lips = Hex(0x8E4A42),
                 .smile = 1.5f,
                 .mouth = 4.4f,
                 .blush = false});

    Shape hair = Subtract(Ellipse({148, 62}, 42, 38), Ellipse({152, 92}, 37, 40));
    hair = Intersect(std::move(hair), Polygon({{100, 10}, {200, 10}, {200, 96}, {100, 96}}));
    Outlined(s, hair, SideLit(kHair, 108, 192), Shade(kHair, -0.6f));
    // Strands combed back from the brow.
    for (const float x : {126.0f, 142.0f, 158.0f, 172.0f}) {
        s.Tint(Intersect(Capsule({x, 56}, {x + 8, 30}, 1.2f), hair), Shade(kHair, -0.5f), 0.7f, 2);
    }
    s.Tint(Intersect(Ellipse({136, 40}, 22, 7), hair), Hex(0xC89A78), 0.4f, 5);
}

void DrawScarf(Sprite& s) {
    Outlined(s, Capsule({170, 160}, {182, 236}, 10, 8), kScarf);
    for (float y = 224; y < 240; y += 5)
        s.Fill(Capsule({174, y}, {190, y}, 1), Shade(kScarf, -0.4f));
    Outlined(s, RoundRect(116, 138, 184, 166, 12), kScarf);
    s.Tint(Capsule({124, 152}, {176, 152}, 1), Shade(kScarf, -0.5f), 0.6f, 3);
}

}  // namespace

Image DrawBoris() {
    Sprite sprite(kWidth, kHeight);
    DrawStaffAndLegs(sprite);
    DrawCoat(sprite);
    DrawArms(sprite);
    DrawHead(sprite);
    DrawScarf(sprite);
    return sprite.ToImage();
}

}  // namespace orvane::demo
