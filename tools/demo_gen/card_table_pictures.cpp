// The card table around the cards: the felt laid over the scene, the room behind a game from the
// main menu, the opponents' portraits, the trump plaque and icons, the role labels, and the plate
// with the count of cards left in the talon.
//
// The engine copies the portraits and the trump plaque plainly, so they are whole rectangles;
// the talon's label and digits are cut as rectangles and blended over the plate, so they stand
// on the plate's own flat colour.
#include <algorithm>
#include <cmath>

#include "card_suits.h"
#include "drawn_once.h"
#include "menu_signs.h"
#include "pictures.h"
#include "sprite.h"
#include "unit_frame.h"

namespace orvane::demo {
namespace {

constexpr Rgb kFelt = Hex(0x1F6E3C);
constexpr Rgb kRim = Hex(0x6A3F22);
constexpr Rgb kPlate = kMenuButton;
constexpr Rgb kLitPlate = Hex(0x6B4A22);
constexpr Rgb kBrightGold = Hex(0xF2D58A);
constexpr Rgb kWall = Hex(0x5A1A1E);

// A portrait: the head and shoulders of a character, reduced into the 146 x 82 the table shows,
// before the lamplit wall of the room, in a thin gold frame.
Image Portrait(const Image& figure, float cropX, float cropY, float cropWidth) {
    constexpr int kShownWidth = 146, kShownHeight = 82;
    Canvas canvas(166, 87);
    canvas.Fill(RoundRect(0, 0, 166, 87, 0), [](float x, float y) {
        return Mix(Hex(0xB06A3C), Shade(kWall, -0.2f),
                   std::clamp(std::hypot(x - 73, y - 10) / 110, 0.f, 1.f));
    });
    const float scale = cropWidth / kShownWidth;
    // Four by four samples a pixel, so that the reduced figure keeps soft edges.
    for (int y = 0; y < kShownHeight; ++y) {
        for (int x = 0; x < kShownWidth; ++x) {
            Rgb sum;
            float cover = 0;
            for (int k = 0; k < 16; ++k) {
                const int sx = static_cast<int>(cropX + (x + (k % 4 + 0.5f) / 4) * scale);
                const int sy = static_cast<int>(cropY + (y + (k / 4 + 0.5f) / 4) * scale);
                if (sx < 0 || sy < 0 || sx >= figure.width || sy >= figure.height) continue;
                const uint32_t p = figure.at(sx, sy);
                const float a = (255 - PixelT(p)) / 255.0f;
                sum.r += a * PixelRed(p) / 255.0f;
                sum.g += a * PixelGreen(p) / 255.0f;
                sum.b += a * PixelBlue(p) / 255.0f;
                cover += a;
            }
            if (cover > 0)
                canvas.Blend(x, y, {sum.r / cover, sum.g / cover, sum.b / cover}, cover / 16);
        }
    }
    const Shape frame = RoundRect(0.5f, 0.5f, kShownWidth - 0.5f, kShownHeight - 0.5f, 3);
    canvas.Fill(Subtract(frame, Grow(frame, -2)), kMenuGold);
    return canvas.ToImage();
}

// The role label of an opponent, between `x0` and `x1` of the icons picture: the plain plate of
// a player who waits or defends, and the lit one with a blade over the cards for the attacker.
void DrawRoleLabel(Sprite& s, float x0, float x1, bool attacks) {
    const Shape plate = RoundRect(x0, 1.5f, x1, 25.5f, 7);
    s.Fill(plate, attacks ? kLitPlate : kPlate);
    s.Fill(Subtract(plate, Grow(plate, -1.3f)), attacks ? kBrightGold : kMenuGold);
    const float cx = (x0 + x1) / 2;
    s.Fill(SignShape(Sign::Cards, {cx - (attacks ? 14 : 0), 13.5f}, 18),
           attacks ? kBrightGold : Shade(kMenuSign, -0.35f));
    if (!attacks) return;
    const UnitFrame f{{cx + 16, 13.5f}, 20};
    s.Fill(AllOf({f.Line(-0.4f, 0.4f, 0.38f, -0.38f, 0.14f),
                  f.Line(-0.3f, 0.1f, -0.1f, 0.3f, 0.12f), f.Disc(-0.44f, 0.44f, 0.08f)}),
           Hex(0xFFFFFF));
}

}  // namespace

Image DrawCardTableFelt() {
    Sprite s(1024, 298);
    const Shape table = RoundRect(6, 6, 1018, 292, 70);
    const Shape felt = RoundRect(24, 22, 1000, 276, 56);
    s.Fill(Grow(table, 1.5f), Hex(0x000000), 0.35f, 5);
    s.Fill(table, [](float, float y) { return Shade(kRim, 0.15f - 0.35f * y / 298); });
    s.Fill(Subtract(Grow(felt, 3), felt), Shade(kRim, -0.55f));
    s.Fill(felt, [](float x, float y) {
        const float d = std::hypot((x - 512) / 520, (y - 150) / 180);
        return Shade(kFelt, 0.18f - 0.4f * std::min(d, 1.0f));
    });
    // A stitched line just inside the felt's edge.
    s.Fill(Subtract(Grow(felt, -10), Grow(felt, -11.2f)), Shade(kFelt, 0.35f), 0.5f);
    return s.ToImage();
}

Image DrawCardRoom() {
    Canvas canvas(1024, 768);
    canvas.Fill(RoundRect(0, 0, 1024, 768, 0), [](float, float y) {
        return Mix(Shade(kWall, -0.45f), Shade(kWall, 0.1f), std::clamp(y / 500, 0.f, 1.f));
    });
    for (float x = 0; x < 1024; x += 48) {
        canvas.Fill(RoundRect(x, 0, x + 20, 768, 0), Hex(0xE0A070), 0.06f);
    }
    // The light of a lamp above the table, out of the picture.
    canvas.Glow(512, 20, 560, Hex(0xFFD08A), 0.5f);
    return canvas.ToImage();
}

Image DrawBorisPortrait() {
    return Portrait(DrawnOnce(DrawBoris), 40, 6, 220);
}

Image DrawAnnaPortrait() {
    return Portrait(DrawnOnce(DrawAnna), 40, 6, 220);
}

Image DrawTrumpPlaque() {
    Canvas canvas(166, 87, kMenuGround);
    const Shape plaque = RoundRect(0.5f, 0.5f, 71.5f, 76.5f, 6);
    canvas.Fill(plaque, [](float, float y) { return Shade(kPlate, 0.15f - 0.3f * y / 77); });
    canvas.Fill(Subtract(plaque, Grow(plaque, -2)), kMenuGold);
    // The icon of the trump suit is drawn into the well, 40 x 40 from (15, 26).
    canvas.Fill(Ellipse({35, 46}, 23, 23), kMenuGold);
    canvas.Fill(Ellipse({35, 46}, 21.5f, 21.5f), Shade(kMenuGround, -0.3f));
    const UnitFrame f{{36, 13}, 16};
    canvas.Fill(Polygon({f.at(-0.5f, 0.3f), f.at(-0.5f, -0.3f), f.at(-0.25f, 0), f.at(0, -0.45f),
                         f.at(0.25f, 0), f.at(0.5f, -0.3f), f.at(0.5f, 0.3f)}),
                kBrightGold);
    return canvas.ToImage();
}

Image DrawTrumpIconsAndRoles() {
    Sprite s(824, 40);
    // Suit s at x 0 (spades), 80 (clubs), 120 (diamonds) and 40 (hearts).
    constexpr int kIconX[4] = {0, 80, 120, 40};
    for (int suit = 0; suit < 4; ++suit) {
        const Point centre{kIconX[suit] + 20.0f, 20};
        s.Fill(Ellipse(centre, 18.5f, 18.5f), kBrightGold);
        s.Fill(Ellipse(centre, 17, 17), Hex(0xFBF7EC));
        s.Fill(SuitShape(suit, centre, 22), SuitColour(suit));
    }
    // Left opponent (161..327 waits, 328..494 attacks), right one (495..653 waits, 655..821
    // attacks); the table also cuts 494..654, so a pixel either side stays clear.
    DrawRoleLabel(s, 163, 325, false);
    DrawRoleLabel(s, 330, 492, true);
    DrawRoleLabel(s, 497, 651, false);
    DrawRoleLabel(s, 657, 819, true);
    return s.ToImage();
}

Image DrawTalonPlate() {
    Sprite s(200, 32);
    const Shape plate = RoundRect(1.5f, 1.5f, 198.5f, 30.5f, 8);
    s.Fill(plate, kPlate);
    s.Fill(Subtract(plate, Grow(plate, -1.5f)), kMenuGold);
    return s.ToImage();
}

Image DrawTalonLabel() {
    // 132 x 11 of it show: a small deck, then dots leading to the count.
    Canvas canvas(166, 87, kPlate);
    for (int k = 2; k >= 0; --k) {
        const float x = 3 + 2.5f * k;
        const Shape card = RoundRect(x, 1 + 0.5f * k, x + 8, 10, 1.5f);
        canvas.Fill(card, Shade(Hex(0x7A1E2A), 0.1f * k));
        canvas.Fill(Subtract(card, Grow(card, -0.8f)), kMenuSign);
    }
    for (float x = 24; x < 128; x += 7) canvas.Disc({x, 6, 1.1f}, kMenuGold);
    return canvas.ToImage();
}

Image DrawTalonDigits() {
    // Digit k from x 13k (k < 3) or 14k, 13 rows high; the table cuts a column or two either
    // side of it, all on the plate's colour.
    Canvas canvas(166, 87, kPlate);
    for (int digit = 0; digit < 10; ++digit) {
        const float x = digit < 3 ? 13.0f * digit + 2.5f : 14.0f * digit + 3.5f;
        canvas.Fill(SevenSegmentDigit(digit, x, 2, x + 6, 11, 1.1f), kBrightGold);
    }
    return canvas.ToImage();
}

}  // namespace orvane::demo
