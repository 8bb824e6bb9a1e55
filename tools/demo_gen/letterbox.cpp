// The dark strips above and below the letter-boxed band, each with a thin gold ornament along
// the edge that faces the band. The band itself covers the first rows next to it (from row 99
// of the top strip, rows 0 .. 2 of the bottom one), so the ornament keeps clear of them.
#include <array>
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kTopHeight = 103;
constexpr int kBottomHeight = 98;
constexpr float kCentre = kWidth / 2.0f;

Paint Gold(float y0, float y1) {
    return [=](float, float y) {
        return Mix(Hex(0xF0D38A), Hex(0x9C7634), std::clamp((y - y0) / (y1 - y0), 0.f, 1.f));
    };
}

// `towardBand` is +1 when the band lies below the ornament, -1 when above.
void DrawOrnament(Canvas& canvas, float y, float towardBand) {
    const float inner = y + towardBand * 6, outer = y - towardBand * 6;
    canvas.Fill(RoundRect(0, inner - 1, kWidth, inner + 1, 0), Gold(inner - 1, inner + 1));
    canvas.Fill(RoundRect(0, outer - 0.5f, kWidth, outer + 0.5f, 0), Gold(outer - 1, outer + 1),
                0.7f);
    for (float x = 16; x < kWidth; x += 32) {
        if (std::fabs(x - kCentre) < 70) continue;
        canvas.Fill(Polygon({{x, y - 3}, {x + 3, y}, {x, y + 3}, {x - 3, y}}), Gold(y - 3, y + 3));
    }
    // A medallion in the middle with a curl on each side.
    canvas.Fill(RoundRect(kCentre - 70, y - 5, kCentre + 70, y + 5, 0), Hex(0x0C0A12));
    canvas.Fill(
        Polygon({{kCentre, y - 11}, {kCentre + 11, y}, {kCentre, y + 11}, {kCentre - 11, y}}),
        Gold(y - 11, y + 11));
    canvas.Fill(Ellipse({kCentre, y}, 4, 4), Hex(0x0C0A12));
    for (const float side : {-1.0f, 1.0f}) {
        const float cx = kCentre + side * 34;
        canvas.Fill(Subtract(Ellipse({cx, y}, 16, 7),
                             Ellipse({cx + side * 3, y - towardBand * 2}, 14, 5.5f)),
                    Gold(y - 7, y + 7));
        canvas.Disc({kCentre + side * 56, y, 2.5f}, Hex(0xE2C27A));
    }
}

// Darkest at the screen's edge, a little lighter and warmer towards the band.
Canvas Strip(int height, bool bandBelow) {
    constexpr Rgb kEdge = Hex(0x0B0910), kNearBand = Hex(0x1A1424);
    Canvas canvas(kWidth, height);
    canvas.VerticalGradient(std::array{GradientStop{0, bandBelow ? kEdge : kNearBand},
                                       GradientStop{1, bandBelow ? kNearBand : kEdge}});
    canvas.Glow(kCentre, bandBelow ? static_cast<float>(height) : 0.0f, 420, Hex(0x5A3A50), 0.25f);
    return canvas;
}

}  // namespace

Image DrawTopLine() {
    Canvas canvas = Strip(kTopHeight, true);
    DrawOrnament(canvas, 84, 1);
    return canvas.ToImage();
}

Image DrawBottomLine() {
    Canvas canvas = Strip(kBottomHeight, false);
    DrawOrnament(canvas, 18, -1);
    return canvas.ToImage();
}

}  // namespace orvane::demo
