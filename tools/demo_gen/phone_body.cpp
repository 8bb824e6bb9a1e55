// The phone the game is played on, 400 x 740, drawn by the engine at (312, 0): a graphite
// handset with a silver face, the display window, two soft keys, the call keys, a round
// navigation pad and the twelve keys. The engine finds the keys at fixed places (the rectangles
// below, in this picture's own coordinates) and copies a pressed key from the second picture,
// where every key is pressed: lit from inside, its sign glowing.
#include <string_view>

#include "phone_display.h"
#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 740;

constexpr Rgb kBody = Hex(0x2B2F36);
constexpr Rgb kFace = Hex(0x9EA6B0);
constexpr Rgb kBezel = Hex(0x15171B);
constexpr Rgb kKeyCap = Hex(0xD9DDE2);
constexpr Rgb kKeyLabel = Hex(0x23272E);
constexpr Rgb kKeyLit = Hex(0x3B5F73);
constexpr Rgb kGlow = Hex(0x9FF6FF);
constexpr Rgb kCallGreen = Hex(0x2FA84F);
constexpr Rgb kHangUpRed = Hex(0xC8372D);

// The display window, where the engine draws the game.
constexpr float kDisplayLeft = 112, kDisplayTop = 161;

struct KeyBox {
    float x0, y0, x1, y1;
};
// The twelve keys: three columns by four rows, 1 2 3 / 4 5 6 / 7 8 9 / * 0 #.
constexpr float kColumns[3][2] = {{95, 160}, {163, 235}, {239, 304}};
constexpr float kRows[4][2] = {{510, 530}, {543, 570}, {580, 605}, {615, 640}};
constexpr std::string_view kKeyNames[12] = {"1", "2", "3", "4", "5", "6",
                                            "7", "8", "9", "*", "0", "#"};
constexpr KeyBox kLeftSoft{95, 405, 172, 455};
constexpr KeyBox kRightSoft{224, 405, 303, 455};
constexpr KeyBox kCall{95, 459, 162, 492};
constexpr KeyBox kHangUp{234, 460, 303, 492};
// The navigation pad: a disc round the select button, with up, down, left and right on it.
constexpr Point kPadCentre{199.5f, 478};
constexpr float kPadRadius = 27;

// A small arrow pointing (dx, dy), for the keys that move the choice.
Shape Arrow(Point c, float dx, float dy, float size) {
    const float px = -dy, py = dx;  // across the arrow
    return Polygon({{c.x + dx * size, c.y + dy * size},
                    {c.x - dx * size * 0.6f + px * size, c.y - dy * size * 0.6f + py * size},
                    {c.x - dx * size * 0.6f - px * size, c.y - dy * size * 0.6f - py * size}});
}

void DrawKeyCap(Sprite& s, const KeyBox& box, float radius, Rgb cap, bool pressed) {
    const Shape shape = RoundRect(box.x0 + 2, box.y0 + 2, box.x1 - 2, box.y1 - 2, radius);
    if (!pressed) s.Fill(Grow(shape, 1.5f), Hex(0x000000), 0.45f, 3);
    s.Fill(shape, [&](float, float y) {
        const float t = (y - box.y0) / (box.y1 - box.y0);
        return pressed ? Shade(cap, -0.25f + 0.1f * t) : Shade(cap, 0.2f - 0.35f * t);
    });
    if (pressed) s.Tint(Grow(shape, -2), kGlow, 0.25f, 4);
}

void WriteKeyLabel(Sprite& s, std::string_view label, Point centre, Rgb color) {
    const PixelFont& font = LargeLettering(15);
    const std::string text = Cp1251Of(label);
    const int x = static_cast<int>(centre.x - font.Width(text) / 2.0f + 0.5f);
    const int top = static_cast<int>(centre.y - font.ascent() / 2.0f - 1);
    font.Write(text, x, top, [&](int px, int py, float cover) { s.Over(px, py, color, cover); });
}

Image DrawPhone(bool pressed) {
    Sprite s(kWidth, kHeight);
    const Shape body = RoundRect(58, 36, 342, 712, 58);
    s.Fill(Grow(body, 4), Hex(0x000000), 0.3f, 10);
    s.Fill(body, [](float x, float) {
        // Rounded sides: darker towards both edges.
        const float across = (x - 200) / 142;
        return Shade(kBody, 0.12f - 0.3f * across * across);
    });
    const Shape face = RoundRect(70, 50, 330, 698, 50);
    s.Fill(face, [](float, float y) { return Shade(kFace, 0.1f - 0.25f * (y - 50) / 648); });
    s.Fill(Subtract(face, Grow(face, -2)), Hex(0xE8ECF0), 0.5f);
    // The earpiece and a maker's light above the display.
    s.Fill(RoundRect(170, 92, 230, 101, 4.5f), Hex(0x2A2D33));
    for (int i = 0; i < 6; ++i) s.Fill(Ellipse({176.0f + i * 9.6f, 96.5f}, 1.6f, 1.6f), kBezel);
    s.Fill(Ellipse({282, 110}, 3.2f, 3.2f), Hex(0x3A8F5A));
    // The display window in its glossy frame; the engine draws the game inside it.
    const Shape bezel =
        RoundRect(kDisplayLeft - 12, kDisplayTop - 20, kDisplayLeft + 188, kDisplayTop + 236, 12);
    s.Fill(bezel, kBezel);
    s.Fill(RoundRect(kDisplayLeft - 1, kDisplayTop - 1, kDisplayLeft + kDisplayWidth + 1,
                     kDisplayTop + kDisplayHeight + 1, 0),
           Hex(0x000000));
    s.Tint(Subtract(bezel, RoundRect(kDisplayLeft - 2, kDisplayTop - 2, kDisplayLeft + 178,
                                     kDisplayTop + 222, 2)),
           Hex(0x5A6270), 0.25f, 1);

    // Soft keys and call keys.
    for (const KeyBox& key : {kLeftSoft, kRightSoft}) {
        DrawKeyCap(s, key, 14, kKeyCap, pressed);
        const float cx = (key.x0 + key.x1) / 2, cy = (key.y0 + key.y1) / 2;
        s.Fill(Capsule({cx - 12, cy}, {cx + 12, cy}, 2), pressed ? kGlow : kKeyLabel);
    }
    DrawKeyCap(s, kCall, 12, kKeyCap, pressed);
    DrawKeyCap(s, kHangUp, 12, kKeyCap, pressed);
    for (const auto& [key, color] :
         {std::pair{kCall, kCallGreen}, std::pair{kHangUp, kHangUpRed}}) {
        const float cx = (key.x0 + key.x1) / 2, cy = (key.y0 + key.y1) / 2;
        // A receiver: two ear cups on a curved handle.
        const Rgb sign = pressed ? Shade(color, 0.45f) : color;
        s.Fill(Capsule({cx - 9, cy + 2}, {cx + 9, cy + 2}, 3), sign);
        s.Fill(Capsule({cx - 10, cy + 5}, {cx - 8, cy - 1}, 3), sign);
        s.Fill(Capsule({cx + 10, cy + 5}, {cx + 8, cy - 1}, 3), sign);
    }

    // The navigation pad: a ring with four arrows round the select button.
    const Shape pad = Ellipse(kPadCentre, kPadRadius, kPadRadius);
    if (!pressed) s.Fill(Grow(pad, 1.5f), Hex(0x000000), 0.45f, 3);
    s.Fill(pad, [&](float, float y) {
        const float t = (y - kPadCentre.y + kPadRadius) / (2 * kPadRadius);
        return pressed ? Shade(kKeyCap, -0.25f + 0.1f * t) : Shade(kKeyCap, 0.2f - 0.35f * t);
    });
    if (pressed) s.Tint(Grow(pad, -2), kGlow, 0.25f, 4);
    const Rgb arrow = pressed ? kGlow : kKeyLabel;
    constexpr float kArrowAt = 18;
    s.Fill(Arrow({kPadCentre.x, kPadCentre.y - kArrowAt}, 0, -1, 4), arrow);
    s.Fill(Arrow({kPadCentre.x, kPadCentre.y + kArrowAt}, 0, 1, 4), arrow);
    s.Fill(Arrow({kPadCentre.x - kArrowAt, kPadCentre.y}, -1, 0, 4), arrow);
    s.Fill(Arrow({kPadCentre.x + kArrowAt, kPadCentre.y}, 1, 0, 4), arrow);
    const Shape select = Ellipse(kPadCentre, 8, 7);
    s.Fill(Grow(select, 1), Hex(0x6A7280), 0.8f);
    s.Fill(select, pressed ? kKeyLit : Shade(kKeyCap, 0.1f));
    if (pressed) s.Fill(Ellipse(kPadCentre, 3, 3), kGlow);

    // The twelve keys; 2, 4, 6 and 8 carry the arrows of the pad as well.
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const KeyBox box{kColumns[column][0], kRows[row][0], kColumns[column][1],
                             kRows[row][1]};
            DrawKeyCap(s, box, 7, kKeyCap, pressed);
            const int index = row * 3 + column;
            const Rgb label = pressed ? kGlow : kKeyLabel;
            const Point centre{(box.x0 + box.x1) / 2 - 4, (box.y0 + box.y1) / 2};
            WriteKeyLabel(s, kKeyNames[index], centre, label);
            const Point mark{centre.x + 16, centre.y};
            if (index == 1) s.Fill(Arrow(mark, 0, -1, 3), label);
            if (index == 3) s.Fill(Arrow(mark, -1, 0, 3), label);
            if (index == 5) s.Fill(Arrow(mark, 1, 0, 3), label);
            if (index == 7) s.Fill(Arrow(mark, 0, 1, 3), label);
        }
    }
    // The microphone below the keys.
    s.Fill(Ellipse({200, 672}, 2.5f, 2.5f), kBezel);
    return s.ToImage();
}

}  // namespace

Image DrawPhone() {
    return DrawPhone(false);
}

Image DrawPhonePressed() {
    return DrawPhone(true);
}

}  // namespace orvane::demo
