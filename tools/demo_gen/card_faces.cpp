// The deck: the 36 faces side by side as the table cuts them (rank r, suit s at x 95r, y 134s,
// 96 x 134 each), and the back of the opponents' cards. Each card keeps a see-through pixel all
// round inside its cell, so that no card shows a sliver of its neighbour.
#include <array>
#include <vector>

#include "card_suits.h"
#include "menu_icons.h"
#include "pictures.h"
#include "sprite.h"
#include "unit_frame.h"

namespace orvane::demo {
namespace {

constexpr float kCellStepX = 95;
constexpr float kCellStepY = 134;
constexpr float kCardWidth = 93;  // inside the 96 x 134 cell, a pixel and a half in
constexpr float kCardHeight = 131;
constexpr Rgb kPaper = Hex(0xFBF7EC);
constexpr Rgb kEdge = Hex(0x8C8577);
constexpr Rgb kGold = Hex(0xD4A93C);
constexpr Rgb kBackRed = Hex(0x7A1E2A);
constexpr Rgb kBackLine = Hex(0xEADBB0);

// The shape turned half round `centre`: the lower half of a card mirrors the upper.
Shape Turned(Shape shape, Point centre) {
    const Bounds b = shape.bounds;
    const int cx2 = static_cast<int>(2 * centre.x), cy2 = static_cast<int>(2 * centre.y);
    return {{cx2 - b.x1 - 1, cy2 - b.y1 - 1, cx2 - b.x0 + 1, cy2 - b.y0 + 1},
            [distance = std::move(shape.distance), centre](float x, float y) {
                return distance(2 * centre.x - x, 2 * centre.y - y);
            }};
}

// Seven segments: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<uint8_t, 10> kSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                               0x6D, 0x7D, 0x07, 0x7F, 0x6F};

}  // namespace

Shape AllOf(std::vector<Shape> shapes) {
    Shape all = std::move(shapes[0]);
    for (size_t i = 1; i < shapes.size(); ++i) all = Union(std::move(all), std::move(shapes[i]));
    return all;
}

Shape SevenSegmentDigit(int d, float x0, float y0, float x1, float y1, float stroke) {
    const float ym = (y0 + y1) / 2;
    const Point corners[6] = {{x0, y0}, {x1, y0}, {x1, ym}, {x1, y1}, {x0, y1}, {x0, ym}};
    constexpr int kEnds[7][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}, {5, 2}};
    std::vector<Shape> segments;
    for (int s = 0; s < 7; ++s) {
        if (kSegments[static_cast<size_t>(d)] & (1 << s)) {
            segments.push_back(Capsule(corners[kEnds[s][0]], corners[kEnds[s][1]], stroke));
        }
    }
    return AllOf(std::move(segments));
}

namespace {

// Where a number card's pips stand, as columns (-1 left, 0 middle, 1 right) and rows (0 the top
// .. 1 the bottom).
struct Pip {
    float column, row;
};
std::vector<Pip> PipsOf(int count) {
    std::vector<Pip> pips;
    const bool fourRows = count >= 9;
    for (const float column : {-1.0f, 1.0f}) {
        if (fourRows) {
            for (const float row : {0.0f, 1 / 3.0f, 2 / 3.0f, 1.0f}) pips.push_back({column, row});
        } else {
            for (const float row : {0.0f, 0.5f, 1.0f}) pips.push_back({column, row});
        }
    }
    if (count == 7 || count == 8) pips.push_back({0, 0.25f});
    if (count == 8) pips.push_back({0, 0.75f});
    if (count == 9) pips.push_back({0, 0.5f});
    if (count == 10) {
        pips.push_back({0, 1 / 6.0f});
        pips.push_back({0, 5 / 6.0f});
    }
    return pips;
}

// The picture of a king (a crown), a queen (a crown of pearls) or a jack (a feathered cap).
Shape CourtSign(int rank, Point centre, float size) {
    const UnitFrame f{centre, size};
    if (rank == 1) {
        Shape crown =
            Polygon({f.at(-0.5f, 0.3f), f.at(-0.5f, -0.3f), f.at(-0.25f, 0.0f), f.at(0, -0.42f),
                     f.at(0.25f, 0.0f), f.at(0.5f, -0.3f), f.at(0.5f, 0.3f)});
        return AllOf({std::move(crown), f.Disc(-0.5f, -0.34f, 0.08f), f.Disc(0, -0.46f, 0.08f),
                      f.Disc(0.5f, -0.34f, 0.08f)});
    }
    if (rank == 2) {
        return AllOf({f.Rect(-0.45f, 0.02f, 0.45f, 0.3f, 0.05f), f.Disc(-0.3f, -0.08f, 0.15f),
                      f.Disc(0, -0.2f, 0.17f), f.Disc(0.3f, -0.08f, 0.15f),
                      f.Disc(0, -0.46f, 0.07f)});
    }
    return AllOf({Ellipse(f.at(0, 0.08f), 0.5f * size, 0.2f * size),
                  f.Rect(-0.32f, -0.14f, 0.32f, 0.12f, 0.12f),
                  Capsule(f.at(0.14f, -0.1f), f.at(0.46f, -0.5f), 0.03f * size, 0.09f * size)});
}

void DrawFace(Sprite& s, int rank, int suit) {
    const float x0 = kCellStepX * rank + 1.5f, y0 = kCellStepY * suit + 1.5f;
    const float x1 = x0 + kCardWidth, y1 = y0 + kCardHeight;
    const Point centre{(x0 + x1) / 2, (y0 + y1) / 2};
    const Rgb ink = SuitColour(suit);
    const Shape card = RoundRect(x0, y0, x1, y1, 7);
    s.Fill(card, [=](float, float y) { return Shade(kPaper, -0.05f * (y - y0) / kCardHeight); });
    s.Fill(Subtract(card, Grow(card, -1.2f)), kEdge);

    // The index in two corners, the lower one upside down.
    Shape index = Union(RankShape(rank, x0 + 5, y0 + 6, x0 + 16, y0 + 22, 1.4f),
                        SuitShape(suit, {x0 + 10.5f, y0 + 31}, 11));
    s.Fill(Turned(index, centre), ink);
    s.Fill(index, ink);

    if (rank == 0) {
        s.Fill(SuitShape(suit, centre, 44), ink);
    } else if (rank <= 3) {
        const Shape frame = RoundRect(x0 + 21, y0 + 18, x1 - 21, y1 - 18, 4);
        s.Fill(frame, Mix(kPaper, ink, 0.1f));
        s.Fill(Subtract(frame, Grow(frame, -1.2f)), ink, 0.8f);
        const Shape sign = CourtSign(rank, {centre.x, y0 + 46}, 30);
        s.Fill(Grow(sign, 1.2f), Shade(kGold, -0.5f));
        s.Fill(sign, kGold);
        s.Fill(SuitShape(suit, {centre.x, y0 + 88}, 26), ink);
    } else {
        for (const Pip& pip : PipsOf(14 - rank)) {
            const Point at{centre.x + 18 * pip.column, y0 + 27 + 77 * pip.row};
            s.Fill(SuitShape(suit, at, 17, at.y > centre.y + 1), ink);
        }
    }
}

}  // namespace

Shape SuitShape(int suit, Point centre, float size, bool turned) {
    const UnitFrame f{centre, size};
    // Hearts and spades share a heart; a spade is one upside down on a stem.
    auto heart = [&](float flip) {
        return AllOf({f.Disc(-0.23f, -0.2f * flip, 0.25f), f.Disc(0.23f, -0.2f * flip, 0.25f),
                      Polygon({f.at(-0.47f, -0.12f * flip), f.at(0.47f, -0.12f * flip),
                               f.at(0, 0.48f * flip)})});
    };
    auto stem = [&] { return Polygon({f.at(0, 0.05f), f.at(0.2f, 0.5f), f.at(-0.2f, 0.5f)}); };
    Shape shape = [&] {
        switch (suit) {
            case 0:
                return Union(heart(-1), stem());
            case 1:
                return AllOf({f.Disc(0, -0.24f, 0.21f), f.Disc(-0.25f, 0.06f, 0.21f),
                              f.Disc(0.25f, 0.06f, 0.21f), stem()});
            case 2:
                return Polygon({f.at(0, -0.5f), f.at(0.36f, 0), f.at(0, 0.5f), f.at(-0.36f, 0)});
            default:
                return heart(1);
        }
    }();
    return turned ? Turned(std::move(shape), centre) : shape;
}

Rgb SuitColour(int suit) {
    return suit == 2 || suit == 3 ? Hex(0xC0202A) : Hex(0x1A1A24);
}

Shape RankShape(int rank, float x0, float y0, float x1, float y1, float stroke) {
    const float w = x1 - x0, h = y1 - y0;
    auto line = [&](float u0, float v0, float u1, float v1) {
        return Capsule({x0 + u0 * w, y0 + v0 * h}, {x0 + u1 * w, y0 + v1 * h}, stroke);
    };
    switch (rank) {
        case 0:
            return AllOf(
                {line(0, 1, 0.5f, 0), line(0.5f, 0, 1, 1), line(0.22f, 0.62f, 0.78f, 0.62f)});
        case 1:
            return AllOf({line(0.1f, 0, 0.1f, 1), line(0.95f, 0, 0.1f, 0.58f),
                          line(0.38f, 0.42f, 0.95f, 1)});
        case 2: {
            const Point c{x0 + w / 2, y0 + h * 0.45f};
            Shape ring = Subtract(Ellipse(c, w / 2 + stroke, h * 0.45f + stroke),
                                  Ellipse(c, w / 2 - stroke, h * 0.45f - stroke));
            return Union(std::move(ring), line(0.55f, 0.7f, 1.0f, 1.02f));
        }
        case 3: {
            const Point c{x0 + w * 0.45f, y0 + h * 0.72f};
            const float r = w * 0.3f;
            Shape hook = Intersect(
                Subtract(Ellipse(c, r + stroke, r + stroke), Ellipse(c, r - stroke, r - stroke)),
                RoundRect(x0 - stroke, c.y, x1 + stroke, y1 + stroke * 2, 0));
            return AllOf({line(0.75f, 0, 0.75f, 0.72f), std::move(hook)});
        }
        case 4:
            return Union(line(0.1f, 0.1f, 0.1f, 1.0f),
                         SevenSegmentDigit(0, x0 + w * 0.45f, y0, x1, y1, stroke));
        default:
            return SevenSegmentDigit(14 - rank, x0, y0, x1, y1, stroke);
    }
}

Image DrawCardFaces() {
    Sprite s(860, 537);
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 9; ++rank) DrawFace(s, rank, suit);
    }
    return s.ToImage();
}

Image DrawCardBack() {
    Sprite s(54, 77);
    const Shape card = RoundRect(1.5f, 1.5f, 52.5f, 75.5f, 5);
    s.Fill(card, [](float x, float y) {
        // A lattice of diamonds.
        const int a = static_cast<int>((x + y) / 6), b = static_cast<int>((x - y + 120) / 6);
        return Shade(kBackRed, (a + b) % 2 ? 0.12f : -0.12f);
    });
    s.Fill(Subtract(Grow(card, -3.5f), Grow(card, -5)), kBackLine);
    s.Fill(SuitShape(3, {27, 38.5f}, 16), kBackLine);
    s.Fill(Subtract(card, Grow(card, -1.2f)), Shade(kBackRed, -0.6f));
    return s.ToImage();
}

}  // namespace orvane::demo
