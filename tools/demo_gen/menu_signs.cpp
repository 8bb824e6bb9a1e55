#include "menu_signs.h"

#include <algorithm>
#include <cmath>

#include "unit_frame.h"

namespace orvane::demo {
namespace {

using Frame = UnitFrame;

Shape Picture(const Frame& f) {
    Shape frame =
        Subtract(f.Rect(-0.5f, -0.4f, 0.5f, 0.4f, 0.05f), f.Rect(-0.38f, -0.28f, 0.38f, 0.28f));
    Shape hills = Polygon({f.at(-0.38f, 0.28f), f.at(-0.12f, -0.08f), f.at(0.05f, 0.12f),
                           f.at(0.2f, -0.02f), f.at(0.38f, 0.2f), f.at(0.38f, 0.28f)});
    return Union(Union(std::move(frame), std::move(hills)), f.Disc(0.18f, -0.15f, 0.07f));
}

Shape Brush(const Frame& f) {
    Shape handle = f.Line(0.4f, -0.42f, -0.02f, 0.02f, 0.12f);
    Shape tip = Polygon({f.at(-0.06f, -0.04f), f.at(0.08f, 0.1f), f.at(-0.2f, 0.42f),
                         f.at(-0.42f, 0.44f), f.at(-0.36f, 0.24f)});
    return Union(std::move(handle), std::move(tip));
}

Shape Cards(const Frame& f) {
    // The back card leans left; the front one stands, with a hole for a heart left clear.
    Shape back = Polygon(
        {f.at(-0.46f, -0.22f), f.at(-0.1f, -0.42f), f.at(0.12f, 0.22f), f.at(-0.24f, 0.42f)});
    Shape front = f.Rect(-0.08f, -0.4f, 0.42f, 0.44f, 0.06f);
    Shape heart = Union(Union(f.Disc(0.09f, -0.04f, 0.08f), f.Disc(0.25f, -0.04f, 0.08f)),
                        Polygon({f.at(0.02f, 0.0f), f.at(0.32f, 0.0f), f.at(0.17f, 0.2f)}));
    back = Subtract(std::move(back), Grow(f.Rect(-0.08f, -0.4f, 0.42f, 0.44f, 0.06f), 0.06f * f.s));
    return Union(std::move(back), Subtract(std::move(front), std::move(heart)));
}

Shape Screen(const Frame& f) {
    Shape screen =
        Subtract(f.Rect(-0.5f, -0.36f, 0.5f, 0.26f, 0.05f), f.Rect(-0.4f, -0.26f, 0.4f, 0.16f));
    Shape stand =
        Union(f.Rect(-0.06f, 0.26f, 0.06f, 0.38f), f.Rect(-0.25f, 0.36f, 0.25f, 0.44f, 0.03f));
    // Arrows out to the corners: the picture grows to fill the screen.
    Shape arrows = Union(f.Line(-0.28f, -0.14f, -0.12f, -0.02f, 0.07f),
                         f.Line(0.28f, 0.04f, 0.12f, -0.06f, 0.07f));
    return Union(Union(std::move(screen), std::move(stand)), std::move(arrows));
}

Shape Speaker(const Frame& f) {
    Shape body = Polygon({f.at(-0.46f, -0.14f), f.at(-0.24f, -0.14f), f.at(0.02f, -0.4f),
                          f.at(0.02f, 0.4f), f.at(-0.24f, 0.14f), f.at(-0.46f, 0.14f)});
    for (const float r : {0.22f, 0.38f}) {
        Shape wave = Subtract(f.Disc(0.04f, 0, r + 0.06f), f.Disc(0.04f, 0, r));
        wave = Intersect(std::move(wave), f.Rect(0.12f, -0.5f, 0.6f, 0.5f));
        body = Union(std::move(body), std::move(wave));
    }
    return body;
}

Shape Note(const Frame& f) {
    Shape heads = Union(Ellipse(f.at(-0.26f, 0.3f), 0.15f * f.s, 0.11f * f.s),
                        Ellipse(f.at(0.26f, 0.22f), 0.15f * f.s, 0.11f * f.s));
    Shape stems = Union(f.Rect(-0.14f, -0.34f, -0.06f, 0.3f), f.Rect(0.38f, -0.42f, 0.46f, 0.22f));
    Shape beam = Polygon(
        {f.at(-0.14f, -0.34f), f.at(0.46f, -0.46f), f.at(0.46f, -0.3f), f.at(-0.14f, -0.18f)});
    return Union(Union(std::move(heads), std::move(stems)), std::move(beam));
}

Shape Arrow(const Frame& f, float direction) {
    const float d = direction;
    return Union(
        Polygon({f.at(-0.45f * d, 0), f.at(-0.05f * d, -0.38f), f.at(-0.05f * d, 0.38f)}),
        f.Rect(std::min(-0.1f * d, 0.42f * d), -0.13f, std::max(-0.1f * d, 0.42f * d), 0.13f));
}

Shape Back(const Frame& f) {
    // A hook: up from the right, over, and down into an arrow head on the left.
    Shape arc = Subtract(f.Disc(0.08f, 0.02f, 0.36f), f.Disc(0.08f, 0.02f, 0.22f));
    arc = Intersect(std::move(arc), f.Rect(-0.5f, -0.5f, 0.6f, 0.02f));
    Shape head = Polygon({f.at(-0.46f, 0.02f), f.at(-0.06f, 0.02f), f.at(-0.26f, 0.32f)});
    Shape foot = f.Rect(0.3f, 0.0f, 0.44f, 0.4f);
    return Union(Union(std::move(arc), std::move(head)), std::move(foot));
}

Shape Eye(const Frame& f) {
    Shape lids = Intersect(f.Disc(0, 0.42f, 0.62f), f.Disc(0, -0.42f, 0.62f));
    Shape open = Intersect(f.Disc(0, 0.48f, 0.56f), f.Disc(0, -0.48f, 0.56f));
    Shape eye = Subtract(std::move(lids), std::move(open));
    return Union(std::move(eye), f.Disc(0, 0, 0.14f));
}

}  // namespace

Shape SignShape(Sign sign, Point centre, float size) {
    const Frame f{centre, size};
    switch (sign) {
        case Sign::Picture:
            return Picture(f);
        case Sign::Brush:
            return Brush(f);
        case Sign::Cards:
            return Cards(f);
        case Sign::Screen:
            return Screen(f);
        case Sign::Speaker:
            return Speaker(f);
        case Sign::Note:
            return Note(f);
        case Sign::Back:
            return Back(f);
        case Sign::Left:
            return Arrow(f, 1);
        case Sign::Right:
            return Arrow(f, -1);
        case Sign::Eye:
            return Eye(f);
    }
    return f.Disc(0, 0, 0.4f);
}

void DrawPlate(Canvas& canvas, float x0, float y0, float x1, float y1, const Shape& sign) {
    const Shape plate = RoundRect(x0, y0, x1, y1, 6);
    canvas.Fill(plate, kMenuButton);
    canvas.Fill(Subtract(plate, Grow(plate, -1.3f)), kMenuGold);
    canvas.Fill(sign, kMenuSign);
}

Canvas CanvasOf(const Image& picture, Rgb shade, float dim) {
    Canvas canvas(picture.width, picture.height, shade);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t p = picture.at(x, y);
            const Rgb rgb{PixelRed(p) / 255.0f, PixelGreen(p) / 255.0f, PixelBlue(p) / 255.0f};
            canvas.Blend(x, y, rgb, 1 - dim);
        }
    }
    return canvas;
}

}  // namespace orvane::demo
