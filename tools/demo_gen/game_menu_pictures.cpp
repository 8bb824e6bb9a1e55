// The in-game menu: the menu screen with its six buttons down the left, the strip of yes/no
// panels that the engine cuts its confirmation panels from, and the notice after a save.
//
// The engine wipes a button's marker by copying the picture's own top-left corner over it, and
// leaves the lower rows of a lit panel standing when the plain one is drawn again; so the ground
// is one flat colour wherever markers and panels go, and the panels' spare rows are that colour.
#include <cmath>

#include "canvas.h"
#include "menu_icons.h"
#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr float kPi = 3.14159265f;

constexpr Rgb kGround = Hex(0x1C2236);
constexpr Rgb kButton = Hex(0x2A3352);
constexpr Rgb kLitButton = Hex(0x6B4A22);
constexpr Rgb kGold = Hex(0xC9A45A);
constexpr Rgb kBrightGold = Hex(0xF2D58A);
constexpr Rgb kSign = Hex(0xE8D8A8);

// The buttons as the engine tests them: from x = 86 to `right`, rows `top` to `bottom`.
struct MenuButton {
    Icon icon;
    float right;
    float top;
    float bottom;
};
constexpr MenuButton kButtons[] = {
    {Icon::Play, 223, 280, 293}, {Icon::Floppy, 204, 335, 349}, {Icon::Folder, 204, 384, 400},
    {Icon::Gear, 204, 436, 455}, {Icon::House, 244, 489, 505},  {Icon::Power, 279, 541, 565},
};
constexpr float kButtonsLeft = 86;

// A button: a plate with a gold edge, its sign in the middle.
void DrawButton(Canvas& canvas, float x0, float y0, float x1, float y1, Icon icon, bool lit) {
    const Shape plate = RoundRect(x0, y0, x1, y1, 6);
    canvas.Fill(plate, lit ? kLitButton : kButton);
    canvas.Fill(Subtract(plate, Grow(plate, -1.3f)), lit ? kBrightGold : kGold);
    const float size = std::min(y1 - y0 - 6, 18.0f);
    canvas.Fill(IconShape(icon, {(x0 + x1) / 2, (y0 + y1) / 2}, size), lit ? Hex(0xFFFFFF) : kSign);
}

// A diamond between two fine lines, above the buttons.
void DrawOrnament(Canvas& canvas, float cx, float y) {
    canvas.Fill(Polygon({{cx, y - 9}, {cx + 9, y}, {cx, y + 9}, {cx - 9, y}}), kGold);
    canvas.Fill(Ellipse({cx, y}, 3, 3), kGround);
    for (const float side : {-1.0f, 1.0f}) {
        canvas.Fill(Capsule({cx + side * 16, y}, {cx + side * 80, y}, 0.7f), kGold, 0.8f);
        canvas.Disc({cx + side * 86, y, 2.2f}, kGold);
    }
}

// On the right, a window on the night: the moon over dark hills.
void DrawNightWindow(Canvas& canvas) {
    constexpr float x0 = 640, y0 = 140, x1 = 960, y1 = 640;
    const Shape window = RoundRect(x0, y0, x1, y1, 18);
    canvas.Fill(Grow(window, 5), kGold);
    canvas.Fill(window, [](float, float y) {
        return Mix(Hex(0x0B1030), Hex(0x34406E), std::clamp((y - y0) / (y1 - y0), 0.f, 1.f));
    });
    Random random(0x0DDBA11);
    for (int i = 0; i < 70; ++i) {
        const float x = random.Between(x0 + 10, x1 - 10), y = random.Between(y0 + 10, 440);
        canvas.Fill(Ellipse({x, y}, 1, 1), Hex(0xE0E6FF), random.Between(0.3f, 0.9f));
    }
    canvas.Glow(860, 250, 120, Hex(0x8090C0), 0.35f);
    canvas.Fill(Subtract(Ellipse({860, 250}, 42, 42), Ellipse({878, 238}, 38, 38)), Hex(0xF6EFD0));
    const auto hills = [&](float base, float amplitude, float phase, Rgb color) {
        std::vector<Point> outline{{x0 - 6, y1 + 6}};
        for (float x = x0 - 6; x <= x1 + 6; x += 8) {
            outline.push_back({x, base - amplitude * std::sin((x - x0) / 70 + phase)});
        }
        outline.push_back({x1 + 6, y1 + 6});
        canvas.Fill(Intersect(Polygon(outline), window), color);
    };
    hills(520, 26, 0.5f, Hex(0x1E2548));
    hills(575, 18, 2.2f, Hex(0x121631));
    // A lit window far off on the nearer hill.
    canvas.Glow(720, 560, 26, Hex(0xFFB050), 0.6f);
    canvas.Fill(RoundRect(716, 556, 724, 564, 1), Hex(0xFFD27A));
    // A gold rule between the window and the buttons, fading towards its ends.
    for (int y = 100; y < 680; ++y) {
        const float along = std::sin(kPi * (y - 100) / 580.0f);
        canvas.Blend(596, y, kGold, 0.7f * along);
    }
}

}  // namespace

Image DrawGameMenu() {
    Canvas canvas(1024, 768, kGround);
    DrawOrnament(canvas, 165, 220);
    for (const MenuButton& button : kButtons) {
        const float middle = (button.top + button.bottom) / 2;
        DrawButton(canvas, kButtonsLeft, middle - 11, button.right, middle + 11, button.icon,
                   false);
    }
    DrawNightWindow(canvas);
    return canvas.ToImage();
}

Image DrawGameMenuPanels() {
    // Rows of the strip: the quit panel with its third button lit (drawn two rows lower than
    // the others, so its buttons start a row higher), "no" lit, "yes" lit, and all plain. The
    // two-button panels take the left 100 columns, the quit panel 210.
    struct Row {
        float top;
        int lit;  // 0 yes, 1 no, 2 the third button, -1 none
    };
    constexpr Row kRows[] = {{1, 2}, {32, 1}, {63, 0}, {93, -1}};
    struct Key {
        float x0;
        float x1;
        Icon icon;
    };
    constexpr Key kKeys[] = {{2, 48, Icon::Check}, {53, 98, Icon::Cross}, {103, 178, Icon::Die}};
    Canvas canvas(402, 302, kGround);
    for (const Row& row : kRows) {
        for (int k = 0; k < 3; ++k) {
            DrawButton(canvas, kKeys[k].x0, row.top, kKeys[k].x1, row.top + 19, kKeys[k].icon,
                       row.lit == k);
        }
    }
    return canvas.ToImage();
}

Image DrawSavedNotice() {
    Sprite sprite(300, 100);
    const Shape plate = RoundRect(8, 8, 292, 92, 14);
    sprite.Fill(Grow(plate, 3), Hex(0x05060E), 0.5f, 6);
    sprite.Fill(plate, Hex(0x232B45));
    sprite.Fill(Subtract(plate, Grow(plate, -2)), kGold);
    sprite.Fill(IconShape(Icon::Floppy, {112, 50}, 52), kSign);
    sprite.Fill(IconShape(Icon::Check, {192, 52}, 50), Hex(0x7CD67C));
    return sprite.ToImage();
}

}  // namespace orvane::demo
