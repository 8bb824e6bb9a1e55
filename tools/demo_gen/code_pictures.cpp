// The code puzzle: a brass keypad with a small display, laid on the left page of the journal
// (which the engine draws beside it), and the digits of the display. Everything around the keypad
// is see-through, so the page shows; the sequences are written on the right page.
//
// The engine draws the keypad picture's columns 190..813 at (0, 100), so a frame point (x, y) is
// (x + 190, y - 100) here. It finds the keys at fixed places, three columns (picture x 385..457,
// 475..547, 565..637) by four rows (y 251..299, 311..359, 371..419, 431..479): 1 2 3, 4 5 6,
// 7 8 9, then delete, 0 and check; and it draws the typed number from frame (250, 200), which is
// inside the display.
#include <array>
#include <optional>

#include "menu_icons.h"
#include "menu_signs.h"
#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 570;

constexpr Rgb kBrass = Hex(0x9C7A3C);
constexpr Rgb kBrassDark = Hex(0x5E4520);
constexpr Rgb kKey = Hex(0x2C2A28);
constexpr Rgb kKeyPressed = Hex(0x7A1E14);
constexpr Rgb kLabel = Hex(0xEADBB0);
constexpr Rgb kDisplay = Hex(0x10241A);
constexpr Rgb kGlow = Hex(0x7CF0A0);

constexpr float kColumns[] = {385, 475, 565};
constexpr float kRows[] = {251, 311, 371, 431};
// Delete, zero and check.
constexpr int kBottomRow[] = {11, 10, 12};
constexpr float kKeyWidth = 72;
constexpr float kKeyHeight = 48;

// Seven segments: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<uint8_t, 10> kSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                               0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// The digit `d` as strokes in the box (x0, y0) .. (x1, y1).
Shape DigitShape(int d, float x0, float y0, float x1, float y1, float stroke) {
    const float ym = (y0 + y1) / 2;
    const Point corners[6] = {{x0, y0}, {x1, y0}, {x1, ym}, {x1, y1}, {x0, y1}, {x0, ym}};
    // Each segment runs between two of the corners.
    constexpr int kEnds[7][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}, {5, 2}};
    std::optional<Shape> shape;
    for (int s = 0; s < 7; ++s) {
        if (!(kSegments[static_cast<size_t>(d)] & (1 << s))) continue;
        Shape segment = Capsule(corners[kEnds[s][0]], corners[kEnds[s][1]], stroke);
        shape = shape ? Union(std::move(*shape), std::move(segment)) : std::move(segment);
    }
    return *shape;
}

// The label of key 1..12 centred on (cx, cy).
Shape KeyLabel(int key, float cx, float cy) {
    if (key == 11) return SignShape(Sign::Left, {cx, cy}, 26);
    if (key == 12) return IconShape(Icon::Check, {cx, cy}, 26);
    const int digit = key % 10;
    return DigitShape(digit, cx - 7, cy - 12, cx + 7, cy + 12, 2.2f);
}

Image DrawKeypad(bool pressed) {
    Sprite s(kWidth, kHeight);
    const Shape body = RoundRect(350, 70, 672, 510, 22);
    s.Fill(Grow(body, 5), Hex(0x000000), 0.35f, 12);
    s.Fill(body, [](float, float y) { return Shade(kBrass, 0.12f - 0.25f * (y - 70) / 440); });
    s.Fill(Subtract(Grow(body, -6), Grow(body, -9)), kBrassDark, 0.7f);
    const Shape display = RoundRect(425, 88, 640, 152, 6);
    s.Fill(Grow(display, 3), kBrassDark);
    s.Fill(display, kDisplay);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int key = row < 3 ? row * 3 + column + 1 : kBottomRow[column];
            const float x0 = kColumns[column], y0 = kRows[row];
            // A pressed key sits lower in its well, red, its shadow gone.
            const float sink = pressed ? 2 : 0;
            const Shape cap = RoundRect(x0, y0 + sink, x0 + kKeyWidth, y0 + kKeyHeight + sink, 7);
            if (!pressed) s.Fill(Grow(cap, 2), Hex(0x000000), 0.4f, 4);
            s.Fill(cap, pressed ? kKeyPressed : kKey);
            s.Fill(KeyLabel(key, x0 + kKeyWidth / 2, y0 + kKeyHeight / 2 + sink), kLabel);
        }
    }
    return s.ToImage();
}

}  // namespace

Image DrawCodePanel() {
    return DrawKeypad(false);
}

Image DrawCodePanelPressed() {
    return DrawKeypad(true);
}

Image DrawCodeDigits() {
    // Each digit in the columns the engine cuts it from, with its width.
    constexpr struct {
        float x0, x1;
    } kPlaces[] = {{45, 77},   {84, 100},  {109, 137}, {146, 172}, {180, 208},
                   {217, 245}, {255, 287}, {297, 325}, {333, 361}, {371, 397}};
    Sprite s(406, 40);
    for (int d = 0; d < 10; ++d) {
        const float x0 = kPlaces[d].x0 + 3, x1 = kPlaces[d].x1 - 3;
        // A one is a single stroke in the middle of its narrow place.
        const float mid = (x0 + x1) / 2;
        // Glow and all, a digit keeps clear of the picture's edge rows.
        const Shape digit = d == 1 ? DigitShape(d, mid - 8, 9, mid + 2, 31, 2.4f)
                                   : DigitShape(d, x0, 9, x1, 31, 2.4f);
        s.Fill(Grow(digit, 2), kGlow, 0.25f, 3);
        s.Fill(digit, kGlow);
    }
    return s.ToImage();
}

}  // namespace orvane::demo
