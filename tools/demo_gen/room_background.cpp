// A cosy room in the evening: a night window with curtains, a painting, a table on the right
// where a lamp would stand, and an open floor in the middle for the characters.
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kWainscot = 470;
constexpr float kFloor = 600;
constexpr Point kVanishing{512, 300};
// Where the warm light of the room comes from: the table on the right.
constexpr Point kLamp{840, 440};

constexpr Rgb kWood = Hex(0x5C3A25);
constexpr Rgb kCurtain = Hex(0x9A2E34);
constexpr Rgb kBrass = Hex(0xD9AE5A);

Paint Vertical(Rgb top, Rgb bottom, float y0, float y1) {
    return [=](float, float y) {
        return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.f, 1.f));
    };
}

void DrawWall(Canvas& canvas) {
    canvas.Fill(RoundRect(0, 0, kWidth, kWainscot, 0),
                Vertical(Hex(0x6A4232), Hex(0x8E5E44), 0, kWainscot));
    for (float x = 0; x < kWidth; x += 64) {
        canvas.Fill(RoundRect(x, 0, x + 30, kWainscot, 0), Hex(0xB98463), 0.07f);
        // A small diamond pattern in the wide stripes.
        for (float y = 50; y < kWainscot - 20; y += 48) {
            const float cx = x + 47;
            canvas.Fill(Polygon({{cx, y - 6}, {cx + 5, y}, {cx, y + 6}, {cx - 5, y}}),
                        Hex(0xD8A27A), 0.16f);
        }
    }
    canvas.Fill(RoundRect(0, 0, kWidth, 22, 0), Vertical(Hex(0x4A2E1E), Hex(0x6A4530), 0, 22));
    canvas.Fill(RoundRect(0, 22, kWidth, 27, 0), Shade(kWood, -0.4f));

    canvas.Fill(RoundRect(0, kWainscot, kWidth, kFloor, 0),
                Vertical(Shade(kWood, 0.05f), Shade(kWood, -0.3f), kWainscot, kFloor));
    for (float x = 14; x < kWidth; x += 128) {
        canvas.Fill(Grow(RoundRect(x, kWainscot + 24, x + 100, kFloor - 18, 4), 2),
                    Shade(kWood, -0.45f));
        canvas.Fill(RoundRect(x, kWainscot + 24, x + 100, kFloor - 18, 4), Shade(kWood, 0.06f));
    }
    canvas.Fill(RoundRect(0, kWainscot - 6, kWidth, kWainscot + 8, 3),
                Vertical(Hex(0x8A5E3E), Hex(0x4A2E1E), kWainscot - 6, kWainscot + 8));
}

void DrawFloor(Canvas& canvas) {
    canvas.Fill(RoundRect(0, kFloor, kWidth, kHeight, 0),
                Vertical(Hex(0x5A3720), Hex(0x8C5C36), kFloor, kHeight));
    // Boards run towards the back of the room; their seams meet at the vanishing point.
    for (float x = -1400; x < kWidth + 1400; x += 110) {
        const float t = (kFloor - kVanishing.y) / (kHeight - kVanishing.y);
        const Point top{kVanishing.x + (x - kVanishing.x) * t, kFloor};
        canvas.Fill(Capsule(top, {x, kHeight}, 0.6f, 1.4f), Hex(0x3A2214), 0.7f);
    }
    Random random(0xF100);
    for (float y = kFloor + 14; y < kHeight; y += 22 + (y - kFloor) * 0.25f) {
        for (int i = 0; i < 6; ++i) {
            const float x = random.Between(0, kWidth);
            canvas.Fill(Capsule({x, y}, {x + 1, y + 1}, 0.6f), Hex(0x3A2214), 0.5f);
            canvas.Fill(RoundRect(x - 40, y, x + 40, y + 1.2f, 0), Hex(0x3A2214), 0.35f);
        }
    }
    // A round rug in the middle of the room.
    canvas.Fill(Ellipse({470, 700}, 330, 58), Hex(0x4E1C22));
    canvas.Fill(Ellipse({470, 700}, 318, 51), Hex(0xA8453E));
    canvas.Fill(Subtract(Ellipse({470, 700}, 290, 44), Ellipse({470, 700}, 276, 38)),
                Hex(0xE2B066));
    canvas.Fill(Ellipse({470, 700}, 120, 18), Hex(0x7A2B2E));
}

void DrawWindow(Canvas& canvas) {
    const float x0 = 150, y0 = 120, x1 = 390, y1 = 420;
    canvas.Fill(RoundRect(x0 - 16, y0 - 16, x1 + 16, y1 + 16, 4), Shade(kWood, -0.2f));
    canvas.Fill(RoundRect(x0, y0, x1, y1, 0), Vertical(Hex(0x0E1638), Hex(0x3A4D86), y0, y1));
    canvas.Glow(330, 190, 90, Hex(0xB8C4FF), 0.25f);
    canvas.Disc({330, 190, 22}, Hex(0xFFF4DA), 1, Circle{340, 182, 20});
    Random random(0x57A25);
    for (int i = 0; i < 40; ++i) {
        canvas.Disc(
            {random.Between(x0, x1), random.Between(y0, y0 + 220), random.Between(0.5f, 1.2f)},
            Hex(0xEEF0FF), random.Between(0.4f, 1.0f));
    }
    // Roofs across the street, a few windows still lit.
    canvas.Fill(Polygon({{x0, 390},
                         {200, 350},
                         {250, 372},
                         {290, 338},
                         {350, 368},
                         {x1, 352},
                         {x1, y1},
                         {x0, y1}}),
                Hex(0x151633));
    for (const Point w : {Point{214, 384}, Point{300, 372}, Point{356, 392}}) {
        canvas.Fill(RoundRect(w.x, w.y, w.x + 8, w.y + 10, 1), Hex(0xF6C66A));
    }
    canvas.Fill(RoundRect((x0 + x1) / 2 - 6, y0, (x0 + x1) / 2 + 6, y1, 0), kWood);
    canvas.Fill(RoundRect(x0, 264, x1, 276, 0), kWood);
    canvas.Fill(RoundRect(x0 - 28, y1 + 10, x1 + 28, y1 + 28, 3),
                Vertical(Hex(0x8A5E3E), Hex(0x4A2E1E), y1 + 10, y1 + 28));
}

void DrawCurtain(Canvas& canvas, float wall, float inner) {
    // Gathered at the window's side by a tie, wide at the top and flaring at the hem.
    const float side = inner > wall ? 1.0f : -1.0f;
    const float tie = wall + side * 30;
    const Shape curtain = Polygon({{wall, 92},
                                   {inner, 92},
                                   {inner - side * 20, 200},
                                   {tie + side * 10, 330},
                                   {tie + side * 40, 470},
                                   {wall - side * 6, 476}});
    canvas.Fill(
        curtain,
        [=](float x, float y) {
            const float folds = 0.5f + 0.5f * std::sin((x - wall) * 0.22f + y * 0.004f);
            return Mix(Shade(kCurtain, 0.12f), Shade(kCurtain, -0.45f), folds * 0.8f);
        },
        1, 2);
    canvas.Fill(Capsule({tie - side * 6, 326}, {tie + side * 24, 334}, 5), kBrass);
}

void DrawPainting(Canvas& canvas) {
    const float x0 = 600, y0 = 150, x1 = 820, y1 = 320;
    canvas.Fill(RoundRect(x0 - 16, y0 - 16, x1 + 16, y1 + 16, 3),
                Vertical(Hex(0xE8C070), Hex(0x8A6428), y0, y1));
    canvas.Fill(RoundRect(x0 - 6, y0 - 6, x1 + 6, y1 + 6, 1), Hex(0x5A3C1A));
    canvas.Fill(RoundRect(x0, y0, x1, y1, 0), Vertical(Hex(0x9CC8E0), Hex(0xF4D9A8), y0, y0 + 110));
    canvas.Glow(760, 250, 60, Hex(0xFFE9B0), 0.5f);
    canvas.Fill(Intersect(Ellipse({660, 300}, 140, 60), RoundRect(x0, y0, x1, y1, 0)),
                Hex(0x6E9A5E));
    canvas.Fill(Intersect(Ellipse({790, 320}, 120, 50), RoundRect(x0, y0, x1, y1, 0)),
                Hex(0x4E7A48));
    // A white cottage on the far hill.
    canvas.Fill(RoundRect(704, 276, 726, 292, 0), Hex(0xF2EEE4));
    canvas.Fill(Polygon({{700, 277}, {715, 264}, {730, 277}}), Hex(0xB2473A));
    canvas.Fill(RoundRect(712, 283, 718, 292, 0), Hex(0x6A4A3A));
}

void DrawTable(Canvas& canvas) {
    canvas.Fill(Ellipse({840, 720}, 190, 22), Hex(0x1E120A), 0.4f, 16);
    for (const float x : {720.0f, 960.0f}) {
        canvas.Fill(Capsule({x, 540}, {x + (x < 840 ? -6 : 6), 712}, 9, 6),
                    Vertical(Hex(0x6A4530), Hex(0x3A2214), 540, 712));
    }
    canvas.Fill(RoundRect(690, 528, 990, 546, 5), Vertical(Hex(0x8A5E3E), Hex(0x4A2E1E), 528, 546));
    canvas.Fill(RoundRect(700, 546, 980, 566, 2), Shade(kWood, -0.35f));
}

// The lamp's light on the right, and the corners sinking into shadow.
void DrawLight(Canvas& canvas) {
    canvas.Glow(kLamp.x, kLamp.y, 520, Hex(0xFFB060), 0.22f);
    canvas.Glow(kLamp.x, kLamp.y, 200, Hex(0xFFD090), 0.18f);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float dx = (x - 560.0f) / 620, dy = (y - 420.0f) / 470;
            const float d = dx * dx + dy * dy;
            if (d > 0.4f) canvas.Blend(x, y, {}, std::min(0.55f, (d - 0.4f) * 0.7f));
        }
    }
}

}  // namespace

Image DrawRoomBackground() {
    Canvas canvas(kWidth, kHeight);
    DrawWall(canvas);
    DrawFloor(canvas);
    DrawWindow(canvas);
    canvas.Fill(Capsule({92, 96}, {448, 96}, 5), kBrass);
    for (const float x : {88.0f, 452.0f}) canvas.Disc({x, 96, 9}, kBrass);
    DrawCurtain(canvas, 100, 170);
    DrawCurtain(canvas, 440, 370);
    DrawPainting(canvas);
    DrawTable(canvas);
    DrawLight(canvas);
    return canvas.ToImage();
}

}  // namespace orvane::demo
