#include "figure_parts.h"

#include <algorithm>

namespace orvane::demo {
namespace {

constexpr float kOutline = 2.2f;

void DrawEye(Sprite& sprite, Point at, float height, Rgb iris, float side) {
    const float rx = height * 0.62f;
    const Paint deep = [=](float, float y) {
        return Mix(Shade(iris, -0.55f), iris,
                   std::clamp((y - at.y + height) / (2 * height), 0.f, 1.f));
    };
    sprite.Fill(Ellipse(at, rx, height), deep);
    sprite.Fill(Ellipse({at.x, at.y + height * 0.1f}, rx * 0.5f, height * 0.55f), Hex(0x15101A));
    sprite.Fill(Ellipse({at.x - rx * 0.3f, at.y - height * 0.35f}, rx * 0.32f, rx * 0.32f),
                Hex(0xFFFFFF));
    sprite.Fill(Ellipse({at.x + rx * 0.3f, at.y + height * 0.45f}, rx * 0.16f, rx * 0.16f),
                Hex(0xFFFFFF), 0.7f);
    // The upper lid, drawn as one stroke that flicks outwards.
    sprite.Fill(Capsule({at.x - side * rx * 1.0f, at.y - height * 0.9f},
                        {at.x + side * rx * 1.4f, at.y - height * 1.05f}, 1.5f, 1.0f),
                Hex(0x1E1418));
}

}  // namespace

Paint SideLit(Rgb color, float left, float right) {
    const Rgb dark = Shade(color, -0.35f);
    const Rgb light = Shade(color, 0.08f);
    return [=](float x, float) {
        const float t = std::clamp((x - left) / std::max(right - left, 1.0f), 0.0f, 1.0f);
        return Mix(light, dark, t * t);
    };
}

void Outlined(Sprite& sprite, const Shape& shape, const Paint& paint, Rgb outline) {
    sprite.Fill(Grow(shape, kOutline), outline);
    sprite.Fill(shape, paint);
}

void Outlined(Sprite& sprite, const Shape& shape, Rgb color) {
    const Bounds& b = shape.bounds;
    Outlined(sprite, shape, SideLit(color, static_cast<float>(b.x0), static_cast<float>(b.x1)),
             Shade(color, -0.65f));
}

void DrawFace(Sprite& sprite, const Face& face) {
    const Point c = face.centre;
    const float half = face.eyeGap / 2;
    for (const float side : {-1.0f, 1.0f}) {
        const Point eye{c.x + side * half, c.y};
        DrawEye(sprite, eye, face.eyeHeight, face.iris, side);
        // An arch, thickest in the middle, reads as calm; a straight slanted stroke as angry.
        const float browY = eye.y - face.eyeHeight * 2.0f - face.browLift;
        const Point arch{eye.x + side * 1.5f, browY + 3};
        sprite.Fill(Subtract(Ellipse(arch, 9, 3 + face.browWeight),
                             Ellipse({arch.x, arch.y + face.browWeight}, 10, 3 + face.browWeight)),
                    face.brow);
        if (face.blush) {
            sprite.Tint(Ellipse({eye.x + side * 4, c.y + face.eyeHeight * 2.0f}, 8, 4),
                        Hex(0xF08A8A), 0.45f, 8);
        }
    }
    // The nose is only a shadow on the side away from the light.
    sprite.Tint(Capsule({c.x + 1, c.y + face.eyeHeight * 1.3f},
                        {c.x + 3, c.y + face.eyeHeight * 2.3f}, 1.4f),
                Hex(0x9A5A48), 0.5f, 2);
    const float mouthY = c.y + face.eyeHeight * face.mouth;
    const Shape smile = Subtract(Ellipse({c.x + 1, mouthY - face.smile}, 7, 3 + face.smile),
                                 Ellipse({c.x + 1, mouthY - face.smile - 2}, 7.5f, 3 + face.smile));
    sprite.Fill(smile, face.lips);
}

}  // namespace orvane::demo
