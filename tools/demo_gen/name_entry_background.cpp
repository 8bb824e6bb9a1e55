// The screen where the player types a name: a parchment card on a quiet night-blue ground, with a
// white field in the middle where the engine draws the letters, an inkwell and quill beside it,
// and a small Enter key under the field's right end. The field is pure white because the engine
// draws each letter on a white cell of its own.
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// The card and the field. The script puts the name's first cell at (380, 360).
constexpr float kCardLeft = 262, kCardTop = 218, kCardRight = 762, kCardBottom = 506;
constexpr float kFieldLeft = 362, kFieldTop = 342, kFieldRight = 662, kFieldBottom = 414;

constexpr Rgb kInk = Hex(0x3A2A1C);
constexpr Rgb kBrown = Hex(0x8A6A3A);
constexpr Rgb kGold = Hex(0xC9A45A);

Paint Vertical(Rgb top, Rgb bottom, float y0, float y1) {
    return [=](float, float y) {
        return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.f, 1.f));
    };
}

void DrawGround(Canvas& canvas) {
    static constexpr GradientStop kNight[] = {
        {0.0f, Hex(0x0D1028)}, {0.55f, Hex(0x1D1C3E)}, {1.0f, Hex(0x120F24)}};
    canvas.VerticalGradient(kNight);
    // A warm light behind the card, as from a candle on the desk.
    canvas.Glow(512, 372, 460, Hex(0x6A4A5A), 0.35f);
    Random random(0x5EED1E);
    for (int i = 0; i < 120; ++i) {
        const float x = random.Between(0, kWidth);
        const float y = random.Between(0, kHeight);
        // None behind the card and its glow.
        if (std::hypot((x - 512) / 360, (y - 362) / 260) < 1) continue;
        canvas.Disc({x, y, random.Between(0.4f, 1.0f)}, Hex(0xD8DCFF), random.Between(0.2f, 0.6f));
    }
}

void DrawCard(Canvas& canvas) {
    const Shape card = RoundRect(kCardLeft, kCardTop, kCardRight, kCardBottom, 14);
    canvas.Fill(Grow(card, 6), Hex(0x05040C), 0.55f, 24);
    canvas.Fill(card, [](float x, float y) {
        // Parchment, a little darker towards its edges.
        const float dx = (x - 512) / 250, dy = (y - 362) / 144;
        const float edge = std::clamp((dx * dx + dy * dy - 0.3f) * 0.6f, 0.f, 1.f);
        return Mix(Hex(0xF4E8C8), Hex(0xDCC08C), edge);
    });
    // A double gold frame inside the edge.
    const Shape outer =
        RoundRect(kCardLeft + 12, kCardTop + 12, kCardRight - 12, kCardBottom - 12, 8);
    canvas.Fill(Subtract(outer, Grow(outer, -2)), kGold);
    const Shape inner = Grow(outer, -6);
    canvas.Fill(Subtract(inner, Grow(inner, -1)), kGold, 0.7f);
}

// A diamond with a curl on either side, above the field.
void DrawOrnament(Canvas& canvas) {
    constexpr float cx = 512, y = 282;
    canvas.Fill(Polygon({{cx, y - 10}, {cx + 10, y}, {cx, y + 10}, {cx - 10, y}}), kBrown);
    canvas.Fill(Ellipse({cx, y}, 3.5f, 3.5f), Hex(0xF4E8C8));
    for (const float side : {-1.0f, 1.0f}) {
        const float curl = cx + side * 34;
        canvas.Fill(
            Subtract(Ellipse({curl, y}, 18, 7), Ellipse({curl + side * 3, y - 2}, 16, 5.5f)),
            kBrown);
        canvas.Fill(RoundRect(std::min(cx + side * 58, cx + side * 150), y - 0.6f,
                              std::max(cx + side * 58, cx + side * 150), y + 0.6f, 0),
                    kBrown, 0.6f);
        canvas.Disc({cx + side * 156, y, 2.5f}, kBrown);
    }
}

void DrawField(Canvas& canvas) {
    const Shape field = RoundRect(kFieldLeft, kFieldTop, kFieldRight, kFieldBottom, 6);
    canvas.Fill(Grow(field, 3), kBrown);
    canvas.Fill(field, Hex(0xFFFFFF));
    // A faint shadow under its top edge, as if the field were pressed into the card. It stays
    // above the letters' cells.
    canvas.Fill(Intersect(RoundRect(kFieldLeft, kFieldTop, kFieldRight, kFieldTop + 6, 0), field),
                Vertical(Hex(0xE2DCD0), Hex(0xFFFFFF), kFieldTop, kFieldTop + 6));
    // Three dots under the field, where a line of writing would go.
    for (int i = -1; i <= 1; ++i)
        canvas.Disc({512.0f + i * 14, kFieldBottom + 22, 2}, kBrown, 0.7f);
}

// The key that accepts the name, with its bent arrow.
void DrawEnterKey(Canvas& canvas) {
    constexpr float x0 = 618, y0 = 428, x1 = 662, y1 = 464;
    canvas.Fill(RoundRect(x0, y0 + 3, x1, y1 + 3, 6), Hex(0x6A5030), 0.6f, 2);
    canvas.Fill(RoundRect(x0, y0, x1, y1, 6), Vertical(Hex(0xFFF8E8), Hex(0xE4D4B0), y0, y1));
    canvas.Fill(Subtract(RoundRect(x0, y0, x1, y1, 6),
                         RoundRect(x0 + 1.5f, y0 + 1.5f, x1 - 1.5f, y1 - 1.5f, 5)),
                kBrown);
    canvas.Fill(Capsule({652, 436}, {652, 449}, 1.6f), kInk);
    canvas.Fill(Capsule({652, 449}, {634, 449}, 1.6f), kInk);
    canvas.Fill(Polygon({{626, 449}, {635, 442}, {635, 456}}), kInk);
}

void DrawInkwellAndQuill(Canvas& canvas) {
    // The quill leans out of the well towards the upper right.
    const Point base{712, 448}, tip{744, 318};
    const float dx = tip.x - base.x, dy = tip.y - base.y;
    const float length = std::hypot(dx, dy);
    const Point along{dx / length, dy / length};
    const Point across{-along.y, along.x};
    std::vector<Point> vane;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const float t = 0.25f + 0.75f * i / kSteps;
        const float width = 13 * std::sin(3.14159265f * (t - 0.25f) / 0.75f * 0.9f + 0.1f);
        vane.push_back({base.x + dx * t + across.x * width, base.y + dy * t + across.y * width});
    }
    for (int i = kSteps; i >= 0; --i) {
        const float t = 0.25f + 0.75f * i / kSteps;
        const float width = 8 * std::sin(3.14159265f * (t - 0.25f) / 0.75f * 0.9f + 0.1f);
        vane.push_back({base.x + dx * t - across.x * width, base.y + dy * t - across.y * width});
    }
    canvas.Fill(
        Polygon(vane),
        [=](float x, float y) {
            const float side = (x - base.x) * across.x + (y - base.y) * across.y;
            return Mix(Hex(0xFBF6EA), Hex(0xC9BBA0), std::clamp(0.5f - side / 20, 0.f, 1.f));
        },
        1, 1.5f);
    canvas.Fill(Capsule(base, tip, 1.4f, 0.6f), Hex(0x9A8A70));
    // The barbs: fine lines from the shaft out to the edge.
    for (int i = 1; i < 14; ++i) {
        const float t = 0.3f + 0.05f * i;
        const Point on{base.x + dx * t, base.y + dy * t};
        canvas.Fill(
            Capsule(on, {on.x + across.x * 10 + along.x * 6, on.y + across.y * 10 + along.y * 6},
                    0.4f),
            Hex(0xB0A288), 0.6f);
    }
    // The well: a squat dark glass bottle.
    canvas.Fill(Ellipse({712, 478}, 26, 6), Hex(0x3A2A18), 0.4f, 6);
    canvas.Fill(RoundRect(690, 446, 734, 478, 9), [](float x, float) {
        return Mix(Hex(0x3C4A66), Hex(0x141A2A), std::clamp((x - 690) / 44, 0.f, 1.f));
    });
    canvas.Fill(RoundRect(700, 438, 724, 448, 3), Hex(0x1A2030));
    canvas.Fill(Capsule({697, 454}, {697, 470}, 1.5f), Hex(0xA8B8D8), 0.6f);
}

}  // namespace

Image DrawNameEntryBackground() {
    Canvas canvas(kWidth, kHeight);
    DrawGround(canvas);
    DrawCard(canvas);
    DrawOrnament(canvas);
    DrawField(canvas);
    DrawEnterKey(canvas);
    DrawInkwellAndQuill(canvas);
    return canvas.ToImage();
}

}  // namespace orvane::demo
