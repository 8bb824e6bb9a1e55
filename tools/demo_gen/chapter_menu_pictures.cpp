// The chapter menu of menus.scn: four cards, each a glimpse of a place of the story (from the
// start, the forest, the house, the sea), and two buttons below, back to the main menu and full
// screen. The engine draws an item's own picture over the whole screen while it is hovered, so
// each lit picture is the plain one with that item lit.
#include <algorithm>

#include "drawn_once.h"
#include "menu_signs.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr float kCardTop = 300;
constexpr float kCardBottom = 450;
constexpr float kCardWidth = 200;
float CardLeft(int k) {
    return 52.0f + 240.0f * k;
}

constexpr float kButtonTop = 560;
constexpr float kButtonBottom = 610;
constexpr float kBackLeft = 387, kBackRight = 507;
constexpr float kScreenLeft = 517, kScreenRight = 637;

// `picture` shrunk to w x h, each pixel the average of the area it covers.
Image Shrink(const Image& picture, int w, int h) {
    Image small(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int x0 = x * picture.width / w,
                      x1 = std::max(x0 + 1, (x + 1) * picture.width / w);
            const int y0 = y * picture.height / h,
                      y1 = std::max(y0 + 1, (y + 1) * picture.height / h);
            uint32_t r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy) {
                for (int sx = x0; sx < x1; ++sx) {
                    const uint32_t p = picture.at(sx, sy);
                    r += PixelRed(p);
                    g += PixelGreen(p);
                    b += PixelBlue(p);
                    ++n;
                }
            }
            small.at(x, y) = MakePixel(static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n),
                                       static_cast<uint8_t>(b / n));
        }
    }
    return small;
}

void DrawCard(Canvas& canvas, int k, const Image& place, bool lit) {
    const float x0 = CardLeft(k), x1 = x0 + kCardWidth;
    const Shape card = RoundRect(x0, kCardTop, x1, kCardBottom, 8);
    canvas.Fill(Grow(card, 8), Hex(0x05060E), 0.5f, 12);
    const Image glimpse = Shrink(place, static_cast<int>(kCardWidth) - 8,
                                 static_cast<int>(kCardBottom - kCardTop) - 8);
    const float light = lit ? 1.0f : 0.7f;
    for (int y = 0; y < glimpse.height; ++y) {
        for (int x = 0; x < glimpse.width; ++x) {
            const uint32_t p = glimpse.at(x, y);
            canvas.Blend(static_cast<int>(x0) + 4 + x, static_cast<int>(kCardTop) + 4 + y,
                         Rgb{PixelRed(p) / 255.0f * light, PixelGreen(p) / 255.0f * light,
                             PixelBlue(p) / 255.0f * light},
                         1);
        }
    }
    const float edge = lit ? 4.0f : 1.5f;
    canvas.Fill(Subtract(Grow(card, edge - 1), Grow(card, -2)), lit ? Hex(0xF2D58A) : kMenuGold);
    if (lit) canvas.Glow((x0 + x1) / 2, kCardBottom + 14, 60, Hex(0xFFB050), 0.35f);
    // The first card starts the story from its beginning.
    if (k == 0) {
        canvas.Fill(Ellipse({(x0 + x1) / 2, (kCardTop + kCardBottom) / 2}, 26, 26), kMenuGround,
                    0.7f);
        canvas.Fill(IconShape(Icon::Play, {(x0 + x1) / 2 + 3, (kCardTop + kCardBottom) / 2}, 28),
                    kMenuSign);
    }
}

void DrawButton(Canvas& canvas, float x0, float x1, const Shape& sign, bool lit) {
    DrawPlate(canvas, x0, kButtonTop, x1, kButtonBottom, sign);
    if (lit) {
        const Shape plate = RoundRect(x0, kButtonTop, x1, kButtonBottom, 6);
        canvas.Fill(Subtract(Grow(plate, 2), Grow(plate, -2)), Hex(0xF2D58A));
        canvas.Fill(sign, Hex(0xFFFFFF));
    }
}

// `lit`: 1..4 a card, 5 the way back, 6 full screen, 0 nothing.
Image DrawChapterMenu(int lit) {
    Canvas canvas = CanvasOf(DrawnOnce(DrawTitleBackground), kMenuGround, 0.7f);
    const Image* places[] = {&DrawnOnce(DrawTitleBackground), &DrawnOnce(DrawForestBackground),
                             &DrawnOnce(DrawRoomBackground), &DrawnOnce(DrawSeaBackground)};
    // An open book over the cards: the chapters of the story.
    const Shape left = Polygon({{470, 200}, {510, 212}, {510, 252}, {470, 240}});
    const Shape right = Polygon({{550, 200}, {514, 212}, {514, 252}, {550, 240}});
    canvas.Fill(Union(left, right), kMenuSign);
    for (int k = 0; k < 4; ++k) DrawCard(canvas, k, *places[k], lit == k + 1);
    const float middle = (kButtonTop + kButtonBottom) / 2;
    DrawButton(canvas, kBackLeft, kBackRight,
               IconShape(Icon::House, {(kBackLeft + kBackRight) / 2, middle}, 30), lit == 5);
    DrawButton(canvas, kScreenLeft, kScreenRight,
               SignShape(Sign::Screen, {(kScreenLeft + kScreenRight) / 2, middle}, 30), lit == 6);
    return canvas.ToImage();
}

}  // namespace

Image DrawChapterMenuPlain() {
    return DrawChapterMenu(0);
}
Image DrawChapterMenuStartLit() {
    return DrawChapterMenu(1);
}
Image DrawChapterMenuForestLit() {
    return DrawChapterMenu(2);
}
Image DrawChapterMenuHouseLit() {
    return DrawChapterMenu(3);
}
Image DrawChapterMenuSeaLit() {
    return DrawChapterMenu(4);
}
Image DrawChapterMenuBackLit() {
    return DrawChapterMenu(5);
}
Image DrawChapterMenuScreenLit() {
    return DrawChapterMenu(6);
}

}  // namespace orvane::demo
