// The main menu: seven buttons down a dark panel on the left, over the title's dusk while the
// story is under way (main_menu.jpg) and over the sea once it has been told (main_menu2.jpg).
// The engine tests the rows itself (79 <= x <= 213) and marks the hovered one with a box at
// x = 55, inside the panel.
#include "drawn_once.h"
#include "menu_signs.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

struct Row {
    float top;
    float bottom;
};
// "0_main" (the chapters), load, options, gallery, making, cards, exit.
constexpr Row kRows[] = {{276, 298}, {329, 351}, {382, 404}, {435, 457},
                         {488, 510}, {541, 563}, {594, 616}};
constexpr float kLeft = 79;
constexpr float kRight = 213;

Shape RowSign(int row, Point centre) {
    constexpr float kSize = 18;
    switch (row) {
        case 0:
            return IconShape(Icon::Play, centre, kSize);
        case 1:
            return IconShape(Icon::Folder, centre, kSize);
        case 2:
            return IconShape(Icon::Gear, centre, kSize);
        case 3:
            return SignShape(Sign::Picture, centre, kSize);
        case 4:
            return SignShape(Sign::Brush, centre, kSize);
        case 5:
            return SignShape(Sign::Cards, centre, kSize);
        default:
            return IconShape(Icon::Power, centre, kSize);
    }
}

Image DrawMainMenu(const Image& backdrop) {
    Canvas canvas = CanvasOf(backdrop);
    const Shape panel = RoundRect(38, 226, 250, 646, 16);
    canvas.Fill(Grow(panel, 6), Hex(0x05060E), 0.45f, 10);
    canvas.Fill(panel, kMenuGround, 0.85f);
    canvas.Fill(Subtract(panel, Grow(panel, -1.5f)), kMenuGold);
    // A lantern's flame over the buttons, the demo's sign.
    canvas.Glow(146, 252, 26, Hex(0xFFB050), 0.5f);
    canvas.Fill(Ellipse({146, 254}, 6, 9), Hex(0xFFD27A));
    for (int i = 0; i < 7; ++i) {
        const Row& row = kRows[i];
        DrawPlate(canvas, kLeft, row.top, kRight, row.bottom + 1,
                  RowSign(i, {(kLeft + kRight) / 2, (row.top + row.bottom + 1) / 2}));
    }
    return canvas.ToImage();
}

}  // namespace

Image DrawMainMenuPicture() {
    return DrawMainMenu(DrawnOnce(DrawTitleBackground));
}

Image DrawMainMenuToldPicture() {
    return DrawMainMenu(DrawnOnce(DrawSeaBackground));
}

}  // namespace orvane::demo
