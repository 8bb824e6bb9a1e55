// The opening's three strips, each a glimpse of one place of the story cut from its
// background: the hills at dusk, the forest clearing, the sea. The ends fade into the dark
// of the letter-box, and a thin dark rule parts each strip from the next.
#include <algorithm>

#include "drawn_once.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kHeight = 190;
constexpr int kFadeWidth = 140;

Image Glimpse(const Image& picture, int top) {
    Image strip(picture.width, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const bool rule = y < 2 || y >= kHeight - 2;
        for (int x = 0; x < picture.width; ++x) {
            const int fromEdge = std::min(x, picture.width - 1 - x);
            const float light =
                rule ? 0.15f
                     : 0.35f + 0.65f * std::min(1.0f, static_cast<float>(fromEdge) / kFadeWidth);
            const uint32_t p = picture.at(x, top + y);
            const auto dim = [&](uint8_t v) { return static_cast<uint8_t>(v * light + 0.5f); };
            strip.at(x, y) = MakePixel(dim(PixelRed(p)), dim(PixelGreen(p)), dim(PixelBlue(p)));
        }
    }
    return strip;
}

}  // namespace

Image DrawOpeningStrip1() {
    return Glimpse(DrawnOnce(DrawTitleBackground), 440);
}

Image DrawOpeningStrip2() {
    return Glimpse(DrawnOnce(DrawForestBackground), 330);
}

Image DrawOpeningStrip3() {
    return Glimpse(DrawnOnce(DrawSeaBackground), 220);
}

}  // namespace orvane::demo
