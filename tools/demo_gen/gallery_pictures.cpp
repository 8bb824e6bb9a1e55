// The gallery: its ground, warmer than the load screen's but with the same buttons in the same
// places under the carousel (the buttons picture lights them for both screens), a plate for
// the entry counter, and the picture of a locked entry, which also frames every entry.
#include <algorithm>

#include "canvas.h"
#include "menu_icons.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

// The load screen's ground, so the lit buttons of the shared picture sit on it seamlessly.
constexpr Rgb kGround = Hex(0x1C2236);
constexpr Rgb kGold = Hex(0xC9A45A);
constexpr Rgb kBrightGold = Hex(0xF2D58A);
constexpr Rgb kParchment = Hex(0xF1E6C8);

// The picture frame that stands for the gallery: a landscape of two hills under a sun.
void DrawSign(Canvas& canvas, float cx, float cy) {
    const Shape outer = RoundRect(cx - 62, cy - 46, cx + 62, cy + 46, 6);
    const Shape inner = RoundRect(cx - 50, cy - 34, cx + 50, cy + 34, 3);
    canvas.Glow(cx, cy, 120, Hex(0xC09060), 0.22f);
    canvas.Fill(Subtract(outer, inner), kGold);
    canvas.Fill(inner, [&](float, float y) {
        return Mix(Hex(0x6A88C8), Hex(0xF0C890), std::clamp((y - cy + 34) / 68, 0.f, 1.f));
    });
    const Shape clip = inner;
    canvas.Disc({cx + 22, cy - 10, 10}, Hex(0xFFF0C0));
    canvas.Fill(Intersect(Ellipse({cx - 24, cy + 40}, 52, 30), clip), Hex(0x3E6A3A));
    canvas.Fill(Intersect(Ellipse({cx + 30, cy + 44}, 48, 24), clip), Hex(0x2E5230));
}

}  // namespace

Image DrawGalleryScreen() {
    Canvas canvas(1024, 768, kGround);
    // An evening sky of deep red over the top, fading into the ground behind the carousel.
    canvas.Fill(RoundRect(-10, -10, 1034, 300, 0), [](float, float y) {
        return Mix(Hex(0x3A1626), kGround, std::clamp(y / 300, 0.f, 1.f));
    });
    DrawSign(canvas, 512, 160);
    for (const float side : {-1.0f, 1.0f}) {
        canvas.Fill(Capsule({512 + side * 80, 262}, {512 + side * 300, 262}, 0.8f), kGold, 0.8f);
    }
    // The plate the engine writes the entry's number on, from (485, 305).
    const Shape plate = RoundRect(470, 300, 554, 326, 6);
    canvas.Fill(Grow(plate, 2), Hex(0x05060E), 0.35f, 4);
    canvas.Fill(plate, kParchment);
    canvas.Fill(Subtract(plate, Grow(plate, -1.3f)), kGold);
    canvas.Fill(RoundRect(20, 646, 1004, 650, 2), kGold, 0.6f);
    Image image = canvas.ToImage();
    // The buttons under the carousel are the load screen's.
    const Image load = DrawLoadScreen();
    for (int y = 700; y < 742; ++y) {
        for (int x = 380; x < 640; ++x) image.at(x, y) = load.at(x, y);
    }
    return image;
}

Image DrawGalleryClosed() {
    // Seen through a frame of gold: a veiled canvas with a keyhole.
    Canvas canvas(402, 302, Hex(0x2A2F45));
    canvas.Fill(RoundRect(0, 0, 402, 302, 0), [](float x, float y) {
        return Mix(Hex(0x3C4466), Hex(0x1E2236), std::clamp((x + y) / 700, 0.f, 1.f));
    });
    const Shape outer = RoundRect(0, 0, 402, 302, 2);
    canvas.Fill(Subtract(outer, RoundRect(6, 6, 396, 296, 3)), kGold);
    canvas.Fill(Subtract(outer, Grow(outer, -1.2f)), kBrightGold);
    const Shape keyhole = Union(Ellipse({201, 135}, 22, 22),
                                Polygon({{188, 140}, {214, 140}, {224, 196}, {178, 196}}));
    canvas.Glow(201, 150, 90, Hex(0xC9A45A), 0.15f);
    canvas.Fill(Grow(keyhole, 5), kGold);
    canvas.Fill(keyhole, Hex(0x0C0E18));
    return canvas.ToImage();
}

}  // namespace orvane::demo
