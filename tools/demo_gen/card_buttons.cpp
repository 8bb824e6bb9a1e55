// The card table's buttons and notices, in the manner of the menus: the command button in its six
// states, "your turn", the ends of a game, and the question whether to play again. There is no
// lettering: the defender takes (an arrow up to the opponents), I take (an arrow down to the
// hand), all beaten (a tick), play again (yes a tick, no a cross).
#include <cmath>

#include "card_suits.h"
#include "menu_icons.h"
#include "menu_signs.h"
#include "pictures.h"
#include "sprite.h"
#include "unit_frame.h"

namespace orvane::demo {
namespace {

constexpr float kPi = 3.14159265f;
constexpr Rgb kLitPlate = Hex(0x6B4A22);
constexpr Rgb kBrightGold = Hex(0xF2D58A);
constexpr Rgb kWhite = Hex(0xFFFFFF);

enum class Command { DefenderTakes, Take, AllBeaten };

Shape Arrow(Point centre, float size, bool up) {
    const UnitFrame f{centre, size};
    const float d = up ? -1 : 1;
    return Union(
        Polygon({f.at(0, 0.48f * d), f.at(-0.38f, 0.05f * d), f.at(0.38f, 0.05f * d)}),
        f.Rect(-0.13f, std::min(0.1f * d, -0.45f * d), 0.13f, std::max(0.1f * d, -0.45f * d)));
}

Shape Star(Point centre, float radius) {
    std::vector<Point> points;
    for (int k = 0; k < 10; ++k) {
        const float r = k % 2 ? radius * 0.42f : radius;
        const float a = -kPi / 2 + k * kPi / 5;
        points.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
    }
    return Polygon(std::move(points));
}

template <class Target>
void Plate(Target& target, const Shape& plate, bool lit) {
    target.Fill(plate, lit ? kLitPlate : kMenuButton);
    target.Fill(Subtract(plate, Grow(plate, -1.3f)), lit ? kBrightGold : kMenuGold);
}

void DrawCommand(Sprite& s, float x0, float x1, Command command, bool lit) {
    Plate(s, RoundRect(x0 + 1.5f, 1.5f, x1 - 1.5f, 29.5f, 7), lit);
    const float cx = (x0 + x1) / 2;
    const Rgb ink = lit ? kWhite : kMenuSign;
    s.Fill(SignShape(Sign::Cards, {cx - 16, 15.5f}, 22), ink);
    const Point mark{cx + 18, 15.5f};
    switch (command) {
        case Command::DefenderTakes:
            return s.Fill(Arrow(mark, 20, true), ink);
        case Command::Take:
            return s.Fill(Arrow(mark, 20, false), ink);
        case Command::AllBeaten:
            return s.Fill(IconShape(Icon::Check, mark, 20), ink);
    }
}

// A notice on a plate 200 x 32 (the table shows 166 x 31 of "your turn").
Sprite Notice(float width, Rgb plate, Rgb edge) {
    Sprite s(width > 166 ? 200 : 166, width > 166 ? 32 : 87);
    const Shape shape = RoundRect(1.5f, 1.5f, width - 1.5f, 29.5f, 8);
    s.Fill(shape, plate);
    s.Fill(Subtract(shape, Grow(shape, -1.5f)), edge);
    return s;
}

// The question after a game, over the whole screen; the yes and no buttons where the engine
// finds them (x 436..585, rows 241..259 and 268..284), one of them lit or neither.
enum class Lit { None, Yes, No };
Image PlayAgain(Lit lit) {
    Canvas canvas(1024, 768);
    canvas.Fill(RoundRect(0, 0, 1024, 768, 0), [](float x, float y) {
        const float d = std::hypot((x - 512) / 700, (y - 260) / 560);
        return Shade(kMenuGround, 0.15f - 0.6f * std::min(d, 1.0f));
    });
    canvas.Glow(512, 220, 330, Hex(0xC9A45A), 0.18f);
    // The table below, the cards of the last game swept together on it.
    const Shape table = RoundRect(70, 420, 954, 730, 110);
    canvas.Fill(table, Hex(0x5A3620));
    canvas.Fill(Grow(table, -16), [](float x, float y) {
        const float d = std::hypot((x - 512) / 460, (y - 575) / 160);
        return Shade(Hex(0x1F6E3C), 0.1f - 0.45f * std::min(d, 1.0f));
    });
    for (int k = 0; k < 5; ++k) {
        const float a = -0.5f + 0.27f * k, cx = 430 + 40.0f * k, cy = 560 + 8.0f * (k % 2);
        auto at = [&](float u, float v) {
            return Point{cx + u * std::cos(a) - v * std::sin(a),
                         cy + u * std::sin(a) + v * std::cos(a)};
        };
        const Shape back = Polygon({at(-27, -38), at(27, -38), at(27, 38), at(-27, 38)});
        canvas.Fill(Grow(back, 1.2f), Hex(0xEADBB0));
        canvas.Fill(back, Hex(0x7A1E2A));
    }
    // A fan of three cards over the panel, and the question.
    const Shape panel = RoundRect(404, 96, 620, 306, 14);
    canvas.Fill(Grow(panel, 6), Hex(0x000000), 0.35f, 14);
    canvas.Fill(panel, kMenuButton);
    canvas.Fill(Subtract(panel, Grow(panel, -2)), kMenuGold);
    for (int k = -1; k <= 1; ++k) {
        const float a = k * 0.32f;
        const Point c{512 + 34.0f * k, 172 + 6.0f * std::abs(k)};
        auto at = [&](float u, float v) {
            return Point{c.x + u * std::cos(a) - v * std::sin(a),
                         c.y + u * std::sin(a) + v * std::cos(a)};
        };
        const Shape card = Polygon({at(-26, -38), at(26, -38), at(26, 38), at(-26, 38)});
        canvas.Fill(Grow(card, 1.5f), Hex(0x3A3226));
        canvas.Fill(card, Hex(0xFBF7EC));
        // The suit in the corner that the next card leaves in view.
        const int suit = k + 2;
        canvas.Fill(SuitShape(suit, at(-13, -20), 20), SuitColour(suit));
        if (k == 1) canvas.Fill(SuitShape(suit, at(4, 8), 34), SuitColour(suit));
    }
    canvas.Fill(IconShape(Icon::Question, {590, 122}, 34), kBrightGold);
    struct Button {
        float top, bottom;
        Icon icon;
        bool lit;
    };
    const Button buttons[] = {{241, 260, Icon::Check, lit == Lit::Yes},
                              {268, 285, Icon::Cross, lit == Lit::No}};
    for (const Button& button : buttons) {
        Plate(canvas, RoundRect(437, button.top, 585, button.bottom, 5), button.lit);
        canvas.Fill(IconShape(button.icon, {511, (button.top + button.bottom) / 2}, 14),
                    button.lit ? kWhite : kMenuSign);
    }
    return canvas.ToImage();
}

}  // namespace

Image DrawCardCommands() {
    Sprite s(996, 32);
    DrawCommand(s, 0, 166, Command::DefenderTakes, true);
    DrawCommand(s, 167, 331, Command::DefenderTakes, false);
    DrawCommand(s, 333, 499, Command::Take, true);
    DrawCommand(s, 500, 662, Command::Take, false);
    DrawCommand(s, 666, 832, Command::AllBeaten, true);
    DrawCommand(s, 833, 993, Command::AllBeaten, false);
    return s.ToImage();
}

Image DrawYourTurn() {
    Sprite s = Notice(166, Hex(0x2E5A34), kBrightGold);
    s.Fill(SignShape(Sign::Cards, {62, 15.5f}, 22), kWhite);
    s.Fill(IconShape(Icon::Play, {100, 15.5f}, 18), kBrightGold);
    return s.ToImage();
}

Image DrawYouWin() {
    Sprite s = Notice(200, kLitPlate, kBrightGold);
    for (int k = -1; k <= 1; ++k)
        s.Fill(Star({100.0f + 34 * k, 15.5f}, k ? 9.0f : 12.0f), kBrightGold);
    return s.ToImage();
}

Image DrawYouLose() {
    Sprite s = Notice(200, Hex(0x3A3A42), Hex(0x8A8A96));
    s.Fill(SignShape(Sign::Cards, {88, 15.5f}, 22), Hex(0xB8B8C4));
    s.Fill(IconShape(Icon::Cross, {122, 15.5f}, 16), Hex(0xD05050));
    return s.ToImage();
}

Image DrawTakeGreen() {
    Sprite s = Notice(200, Hex(0x2E5A34), kBrightGold);
    s.Fill(SignShape(Sign::Cards, {84, 15.5f}, 22), kWhite);
    s.Fill(Arrow({118, 15.5f}, 20, false), kWhite);
    return s.ToImage();
}

Image DrawPlayAgainQuestion() {
    return PlayAgain(Lit::None);
}

Image DrawPlayAgainYesLit() {
    return PlayAgain(Lit::Yes);
}

Image DrawPlayAgainNoLit() {
    return PlayAgain(Lit::No);
}

}  // namespace orvane::demo
