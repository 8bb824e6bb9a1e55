// The lookout over the coast: a background twice the screen's width, from the forest on the left
// to the sea on the right, that the arrow keys scroll; and the interface that stays put while it
// does, a strip along the bottom that tells which keys look around and a compass in the corner.
// Interface pictures are copied as they are, so both are opaque.
#include <algorithm>
#include <cmath>

#include "drawn_once.h"
#include "menu_signs.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kSeam = 320;  // the width over which the forest gives way to the sea

}  // namespace

Image DrawPanoramaBackground() {
    const Image& forest = DrawnOnce(DrawForestBackground);
    const Image& sea = DrawnOnce(DrawSeaBackground);
    Image panorama(forest.width + sea.width, forest.height);
    for (int y = 0; y < panorama.height; ++y) {
        for (int x = 0; x < panorama.width; ++x) {
            const float t = std::clamp((x - forest.width + kSeam / 2.0f) / kSeam, 0.0f, 1.0f);
            const uint32_t a = forest.at(std::min(x, forest.width - 1), y);
            const uint32_t b = sea.at(std::max(x - forest.width, 0), y);
            const auto mix = [t](uint8_t u, uint8_t v) {
                return static_cast<uint8_t>(u + (v - u) * t + 0.5f);
            };
            panorama.at(x, y) =
                MakePixel(mix(PixelRed(a), PixelRed(b)), mix(PixelGreen(a), PixelGreen(b)),
                          mix(PixelBlue(a), PixelBlue(b)));
        }
    }
    return panorama;
}

Image DrawLookoutStrip() {
    Canvas canvas(1024, 60, kMenuGround);
    for (int x = 0; x < 1024; ++x) canvas.Blend(x, 0, kMenuGold, 0.9f);
    canvas.Fill(SignShape(Sign::Left, {440, 31}, 30), kMenuSign);
    canvas.Fill(SignShape(Sign::Eye, {512, 31}, 40), kMenuGold);
    canvas.Fill(SignShape(Sign::Right, {584, 31}, 30), kMenuSign);
    return canvas.ToImage();
}

Image DrawLookoutCompass() {
    Canvas canvas(64, 64, kMenuGround);
    const Shape plate = RoundRect(1, 1, 63, 63, 8);
    canvas.Fill(Subtract(plate, Grow(plate, -1.5f)), kMenuGold);
    // The needle: north gold, south pale.
    canvas.Fill(Polygon({{32, 8}, {39, 32}, {25, 32}}), kMenuGold);
    canvas.Fill(Polygon({{32, 56}, {39, 32}, {25, 32}}), kMenuSign);
    canvas.Fill(Polygon({{8, 32}, {32, 27}, {32, 37}}), kMenuSign, 0.5f);
    canvas.Fill(Polygon({{56, 32}, {32, 27}, {32, 37}}), kMenuSign, 0.5f);
    canvas.Fill(Ellipse({32, 32}, 3, 3), kMenuGround);
    return canvas.ToImage();
}

}  // namespace orvane::demo
