// The load screen: its ground with the page-turn and back buttons under the carousel, the frame
// around the save in the centre with a plate for its label, and the load screen's rows of the
// buttons picture that it shares with the in-game menu.
//
// The engine copies each lit button as a whole rectangle of the buttons picture, each from a
// row of its own and to a place of its own, so every button is drawn here at the place on the
// screen it lands on, shifted into its row; the ground around the buttons is the one flat
// colour of the buttons picture, on the screen as in the picture.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "menu_icons.h"
#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr Rgb kGround = Hex(0x1C2236);  // the buttons picture's ground
constexpr Rgb kButton = Hex(0x2A3352);
constexpr Rgb kLitButton = Hex(0x6B4A22);
constexpr Rgb kGold = Hex(0xC9A45A);
constexpr Rgb kBrightGold = Hex(0xF2D58A);
constexpr Rgb kSign = Hex(0xE8D8A8);
constexpr Rgb kParchment = Hex(0xF1E6C8);

enum class Mark { Previous, Next, Back, Load, Cancel, Delete };

// A button's place on the screen, its rows inclusive of the top and not of the bottom.
struct Button {
    Mark mark;
    float x0, y0, x1, y1;
};
// Under the carousel: previous, back and next, inside the places where the engine tests them
// and where their lit pictures go.
constexpr Button kPrevious{Mark::Previous, 396, 710, 428, 732};
constexpr Button kBack{Mark::Back, 446, 710, 574, 732};
constexpr Button kNext{Mark::Next, 596, 710, 626, 732};
// The action bar of the save in the centre.
constexpr Button kLoad{Mark::Load, 314, 659, 410, 676};
constexpr Button kCancel{Mark::Cancel, 488, 659, 542, 676};
constexpr Button kDelete{Mark::Delete, 634, 659, 711, 676};

// The bar under the centre save, from (311, 657), 402 x 20.
constexpr float kBarX = 311, kBarY = 657, kBarWidth = 402, kBarHeight = 20;

Shape Arrow(Point c, float size, float towards) {
    const float h = size / 2;
    return Polygon({{c.x - towards * h * 0.8f, c.y - h},
                    {c.x + towards * h * 0.8f, c.y},
                    {c.x - towards * h * 0.8f, c.y + h}});
}

// Back to the main menu: a bent arrow pointing left.
Shape BackArrow(Point c, float size) {
    const float s = size;
    const Shape head = Polygon({{c.x - 0.55f * s, c.y - 0.05f * s},
                                {c.x - 0.15f * s, c.y - 0.45f * s},
                                {c.x - 0.15f * s, c.y + 0.35f * s}});
    const Shape shaft =
        Capsule({c.x - 0.2f * s, c.y - 0.05f * s}, {c.x + 0.35f * s, c.y - 0.05f * s}, 0.09f * s);
    const Shape bend =
        Capsule({c.x + 0.35f * s, c.y - 0.05f * s}, {c.x + 0.45f * s, c.y + 0.4f * s}, 0.09f * s);
    return Union(head, Union(shaft, bend));
}

// Delete: a bin with its lid.
Shape Bin(Point c, float size) {
    const float s = size;
    const Shape body = Polygon({{c.x - 0.32f * s, c.y - 0.22f * s},
                                {c.x + 0.32f * s, c.y - 0.22f * s},
                                {c.x + 0.24f * s, c.y + 0.48f * s},
                                {c.x - 0.24f * s, c.y + 0.48f * s}});
    const Shape lid =
        RoundRect(c.x - 0.42f * s, c.y - 0.38f * s, c.x + 0.42f * s, c.y - 0.28f * s, 0.03f * s);
    const Shape handle =
        RoundRect(c.x - 0.12f * s, c.y - 0.5f * s, c.x + 0.12f * s, c.y - 0.36f * s, 0.04f * s);
    Shape bin = Union(body, Union(lid, handle));
    for (const float u : {-0.12f, 0.12f}) {
        bin =
            Subtract(std::move(bin), RoundRect(c.x + (u - 0.035f) * s, c.y - 0.1f * s,
                                               c.x + (u + 0.035f) * s, c.y + 0.36f * s, 0.03f * s));
    }
    return bin;
}

Shape MarkShape(Mark mark, Point c, float size) {
    switch (mark) {
        case Mark::Previous:
            return Arrow(c, size, -1);
        case Mark::Next:
            return Arrow(c, size, 1);
        case Mark::Back:
            return BackArrow(c, size);
        case Mark::Load:
            return IconShape(Icon::Folder, c, size);
        case Mark::Cancel:
            return IconShape(Icon::Cross, c, size);
        case Mark::Delete:
            return Bin(c, size);
    }
    return {};
}

// `button` drawn `dy` rows up from its place on the screen and `dx` columns to the left.
void DrawButton(Canvas& canvas, const Button& button, bool lit, float dx = 0, float dy = 0) {
    const float x0 = button.x0 - dx, y0 = button.y0 - dy, x1 = button.x1 - dx, y1 = button.y1 - dy;
    const Shape plate = RoundRect(x0, y0, x1, y1, 6);
    canvas.Fill(plate, lit ? kLitButton : kButton);
    canvas.Fill(Subtract(plate, Grow(plate, -1.3f)), lit ? kBrightGold : kGold);
    canvas.Fill(
        MarkShape(button.mark, {(x0 + x1) / 2, (y0 + y1) / 2}, std::min(y1 - y0 - 6, 16.0f)),
        lit ? Hex(0xFFFFFF) : kSign);
}

// The action bar, with `lit` (or nothing) lit, drawn `dy` rows up from its place.
void DrawActionBar(Canvas& canvas, const Button* lit, float dx, float dy) {
    for (const Button* button : {&kLoad, &kCancel, &kDelete}) {
        DrawButton(canvas, *button, button == lit, dx, dy);
    }
}

// A ribbon of gold with a diamond in its middle.
void DrawOrnament(Canvas& canvas, float cx, float y, float halfWidth) {
    canvas.Fill(Polygon({{cx, y - 8}, {cx + 8, y}, {cx, y + 8}, {cx - 8, y}}), kGold);
    canvas.Fill(Ellipse({cx, y}, 2.5f, 2.5f), kGround);
    for (const float side : {-1.0f, 1.0f}) {
        canvas.Fill(Capsule({cx + side * 14, y}, {cx + side * halfWidth, y}, 0.7f), kGold, 0.8f);
        canvas.Disc({cx + side * (halfWidth + 6), y, 2.2f}, kGold);
    }
}

// Between the pictures of the carousel: slender columns, lit from above.
void DrawColumn(Canvas& canvas, float cx) {
    const Shape shaft = RoundRect(cx - 9, 356, cx + 9, 628, 4);
    canvas.Fill(shaft, [&](float x, float) {
        return Mix(Hex(0x39426A), Hex(0x222944), std::clamp((x - cx + 9) / 18, 0.f, 1.f));
    });
    for (const float y : {346.0f, 632.0f}) {
        canvas.Fill(RoundRect(cx - 15, y, cx + 15, y + 9, 3), kGold);
    }
    canvas.Glow(cx, 350, 40, Hex(0xFFD890), 0.18f);
}

}  // namespace

Image DrawLoadScreen() {
    Canvas canvas(1024, 768, kGround);
    // A night sky over the top, fading into the ground behind the carousel.
    canvas.Fill(RoundRect(-10, -10, 1034, 300, 0), [](float, float y) {
        return Mix(Hex(0x0B1030), kGround, std::clamp(y / 300, 0.f, 1.f));
    });
    Random random(0x10AD5C2);
    for (int i = 0; i < 110; ++i) {
        const float x = random.Between(10, 1014), y = random.Between(8, 250);
        canvas.Fill(Ellipse({x, y}, 1, 1), Hex(0xE0E6FF), random.Between(0.2f, 0.8f));
    }
    // The sign of the screen: an open folder in a gold ring, between two ribbons.
    canvas.Glow(512, 170, 110, Hex(0x8090C0), 0.25f);
    const Shape ring = Ellipse({512, 170}, 58, 58);
    canvas.Fill(Grow(ring, 4), kGold);
    canvas.Fill(ring, Hex(0x232B45));
    canvas.Fill(IconShape(Icon::Folder, {512, 172}, 56), kSign);
    DrawOrnament(canvas, 512, 262, 210);
    DrawColumn(canvas, 256);
    DrawColumn(canvas, 768);
    // A shelf the pictures stand on, clear of the action bar below it.
    canvas.Fill(RoundRect(20, 646, 1004, 650, 2), kGold, 0.6f);
    for (const Button* button : {&kPrevious, &kBack, &kNext}) DrawButton(canvas, *button, false);
    return canvas.ToImage();
}

Image DrawLoadFrame() {
    Sprite sprite(402, 303);
    // The picture lies under the frame from (2, 2); the frame's gold runs over its edge.
    const Shape outer = RoundRect(1, 1, 401, 302, 8);
    const Shape inner = RoundRect(7, 7, 395, 296, 4);
    sprite.Fill(Subtract(outer, inner), kGold);
    sprite.Fill(Subtract(Grow(inner, 1.5f), inner), Hex(0x5A4020));
    sprite.Fill(Subtract(outer, Grow(outer, -1.2f)), kBrightGold);
    // The plate the engine writes the save's date on, from (450, 615) of the screen.
    const Shape plate = RoundRect(128, 271, 320, 296, 5);
    sprite.Fill(Grow(plate, 2), Hex(0x05060E), 0.35f, 4);
    sprite.Fill(plate, kParchment);
    sprite.Fill(Subtract(plate, Grow(plate, -1.3f)), kGold);
    return sprite.ToImage();
}

Image DrawGameMenuAndLoadButtons() {
    Image buttons = DrawGameMenuPanels();
    // The load screen's rows, below the panels of the in-game menu.
    Canvas rows(buttons.width, buttons.height, kGround);
    // Lit previous, back and next, each where its rectangle of this picture goes on the screen:
    // (10, 125) to (395, 707), (50, 125) to (433, 708), (209, 127) to (594, 708).
    DrawButton(rows, kPrevious, true, 395 - 10, 707 - 125);
    DrawButton(rows, kBack, true, 433 - 50, 708 - 125);
    DrawButton(rows, kNext, true, 594 - 209, 708 - 127);
    // The plain strip of the three, (1, 167) to (386, 708).
    for (const Button* button : {&kPrevious, &kBack, &kNext}) {
        DrawButton(rows, *button, false, 386 - 1, 708 - 167);
    }
    // The action bar at rows 205, 228, 251 and 274: plain, load, cancel and delete lit.
    const Button* lit[] = {nullptr, &kLoad, &kCancel, &kDelete};
    for (int k = 0; k < 4; ++k) {
        const float top = 205 + 23.0f * k;
        const float dy = kBarY - top;
        rows.Fill(RoundRect(0, top, kBarWidth, top + kBarHeight, 4), Hex(0x141A2C));
        DrawActionBar(rows, lit[k], kBarX, dy);
    }
    const Image drawn = rows.ToImage();
    constexpr int kFirstRow = 120;
    for (int y = kFirstRow; y < buttons.height; ++y) {
        for (int x = 0; x < buttons.width; ++x) buttons.at(x, y) = drawn.at(x, y);
    }
    return buttons;
}

}  // namespace orvane::demo
