// Anna: a village girl in a green dress and a white apron, her long auburn hair tied with a red
// ribbon, one hand on her hip.
#include "figure_parts.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 600;

constexpr Rgb kSkin = Hex(0xF4CFB0);
constexpr Rgb kHair = Hex(0xA0482A);
constexpr Rgb kDress = Hex(0x3F8A66);
constexpr Rgb kApron = Hex(0xF3EEDF);
constexpr Rgb kTights = Hex(0x4B3D55);
constexpr Rgb kShoes = Hex(0x5E3724);
constexpr Rgb kRibbon = Hex(0xD6383E);

Paint HairPaint() {
    // Glossy at the crown, deeper towards the ends.
    return [](float x, float y) {
        const Rgb base =
            Mix(Shade(kHair, 0.12f), Shade(kHair, -0.35f), std::clamp(y / 300, 0.f, 1.f));
        return Mix(base, Shade(base, -0.25f), std::clamp((x - 120) / 90, 0.f, 1.f));
    };
}

void DrawBackHair(Sprite& s) {
    const Shape hair = Grow(Polygon({{108, 70},
                                     {192, 70},
                                     {210, 200},
                                     {203, 286},
                                     {172, 300},
                                     {150, 292},
                                     {126, 300},
                                     {97, 286},
                                     {90, 200}}),
                            6);
    Outlined(s, hair, HairPaint(), Shade(kHair, -0.7f));
}

void DrawLegs(Sprite& s) {
    for (const float side : {-1.0f, 1.0f}) {
        const float x = 150 + side * 15;
        Outlined(s, Capsule({x, 440}, {x + side * 3, 566}, 12, 8), kTights);
        Outlined(s, Ellipse({x + side * 6, 576}, 16, 9), kShoes);
        s.Tint(Ellipse({x + side * 2, 572}, 7, 3), Hex(0xFFFFFF), 0.25f, 3);
    }
}

void DrawSkirt(Sprite& s) {
    const Shape skirt =
        Polygon({{116, 290}, {184, 290}, {234, 468}, {204, 482}, {150, 487}, {96, 482}, {66, 468}});
    Outlined(s, skirt, SideLit(kDress, 66, 234), Shade(kDress, -0.7f));
    // Soft folds fanning out from the waist.
    for (const float x : {-62.0f, -30.0f, 2.0f, 34.0f, 64.0f}) {
        s.Tint(Intersect(Capsule({150 + x * 0.25f, 300}, {150 + x, 484}, 1, 5), skirt),
               Shade(kDress, -0.5f), 0.55f, 7);
    }
    const Shape hem = Intersect(skirt, Polygon({{40, 458}, {260, 458}, {260, 500}, {40, 500}}));
    s.Fill(hem, SideLit(kApron, 66, 234));
    s.Fill(Intersect(skirt, Polygon({{40, 458}, {260, 458}, {260, 461}, {40, 461}})),
           Shade(kDress, -0.6f));

    const Shape apron = Grow(Polygon({{130, 304}, {170, 304}, {188, 428}, {112, 428}}), 5);
    Outlined(s, apron, SideLit(kApron, 112, 190), Hex(0x9E9382));
    s.Tint(Intersect(Capsule({150, 310}, {142, 430}, 1, 4), apron), Hex(0xB9B0A0), 0.5f, 5);
    // A little embroidered flower on the apron's pocket.
    for (int petal = 0; petal < 5; ++petal) {
        const float a = petal * 1.2566f;
        s.Fill(Ellipse({150 + 6 * std::cos(a), 396 + 6 * std::sin(a)}, 4, 4), kRibbon);
    }
    s.Fill(Ellipse({150, 396}, 3, 3), Hex(0xF2C14E));
}

void DrawBodice(Sprite& s) {
    const Shape bodice = Grow(Polygon({{112, 156}, {188, 156}, {176, 296}, {124, 296}}), 8);
    Outlined(s, bodice, SideLit(kDress, 104, 196), Shade(kDress, -0.7f));
    // Laces down the front.
    for (float y = 190; y < 280; y += 18) {
        s.Fill(Capsule({143, y}, {157, y + 9}, 1.2f), Hex(0xF1E4C4));
        s.Fill(Capsule({157, y}, {143, y + 9}, 1.2f), Hex(0xF1E4C4));
    }
    Outlined(s, RoundRect(116, 286, 184, 302, 6), Shade(kDress, -0.4f));
    for (const float side : {-1.0f, 1.0f}) {
        Outlined(s, Ellipse({150 + side * 14, 152}, 17, 9), kApron);
    }
}

void DrawArms(Sprite& s) {
    // The near arm hangs loose.
    Outlined(s, Capsule({98, 184}, {90, 300}, 10, 8), kSkin);
    Outlined(s, Ellipse({90, 310}, 9, 12), kSkin);
    Outlined(s, Ellipse({102, 172}, 20, 22), kDress);
    // The other rests on her hip.
    Outlined(s, Capsule({204, 186}, {224, 246}, 10, 9), kSkin);
    Outlined(s, Capsule({224, 246}, {190, 290}, 9, 8), kSkin);
    Outlined(s, Ellipse({186, 292}, 11, 9), kSkin);
    Outlined(s, Ellipse({198, 172}, 20, 22), kDress);
}

void DrawHead(Sprite& s) {
    Outlined(s, Capsule({150, 108}, {150, 152}, 13), kSkin);
    s.Tint(Ellipse({150, 128}, 14, 8), Hex(0xC98F72), 0.6f, 6);
    Outlined(s, Ellipse({150, 80}, 40, 46), kSkin);
    DrawFace(s, {.centre = {150, 88},
                 .eyeGap = 30,
                 .eyeHeight = 8.5f,
                 .iris = Hex(0x4E8A3E),
                 .brow = Hex(0x7A3320),
                 .browLift = 1,
                 .lips = Hex(0xC4525E),
                 .smile = 3.5f,
                 .mouth = 3.3f,
                 .blush = true});
}

void DrawFrontHair(Sprite& s) {
    const Shape cap = Subtract(Ellipse({150, 72}, 47, 48), Ellipse({153, 101}, 39, 37));
    const Paint paint = HairPaint();
    const Rgb line = Shade(kHair, -0.7f);
    Outlined(s, cap, paint, line);
    // Strands of the fringe, parted a little off the middle.
    for (const float x : {118.0f, 132.0f, 146.0f, 160.0f, 174.0f, 188.0f}) {
        s.Tint(Intersect(Capsule({x - (x - 142) * 0.35f, 34}, {x, 66}, 1.1f), cap), line, 0.45f, 2);
    }
    for (const float side : {-1.0f, 1.0f}) {
        Outlined(s, Capsule({150 + side * 41, 86}, {150 + side * 48, 170}, 9, 5), paint, line);
    }
    s.Tint(Intersect(Ellipse({138, 44}, 26, 9), cap), Hex(0xFFD2B0), 0.45f, 5);
    // The ribbon's bow.
    for (const float side : {-1.0f, 1.0f}) {
        Outlined(s, Polygon({{186, 44}, {186 + side * 20, 30}, {186 + side * 18, 58}}), kRibbon);
    }
    Outlined(s, Ellipse({186, 44}, 6, 6), kRibbon);
}

}  // namespace

Image DrawAnna() {
    Sprite sprite(kWidth, kHeight);
    DrawBackHair(sprite);
    DrawLegs(sprite);
    DrawSkirt(sprite);
    DrawBodice(sprite);
    DrawArms(sprite);
    DrawHead(sprite);
    DrawFrontHair(sprite);
    return sprite.ToImage();
}

}  // namespace orvane::demo
