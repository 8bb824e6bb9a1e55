// The panel behind the dialogue: a dark band across the bottom of the screen through which a third
// or so of the picture still shows, so that white text reads over any background, even sand.
// Its top edge fades in softly, and a faint gold rule, brightest in the middle, sets it off from
// the picture above.
#include <cmath>

#include "pictures.h"
#include "sprite.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 170;
// Rows over which the top edge fades in; the rule lies inside them, clear of the speaker's name
// below it.
constexpr int kFade = 22;
constexpr int kRule = 13;
// How much of the picture below the panel covers: a little more towards the bottom, where the
// text lines lie.
constexpr float kCoverTop = 0.62f;
constexpr float kCoverBottom = 0.72f;

constexpr Rgb kTopColor = Hex(0x121633);
constexpr Rgb kBottomColor = Hex(0x070817);
constexpr Rgb kGold = Hex(0xE8C878);

float Smooth(float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

}  // namespace

Image DrawTextPanel() {
    Sprite sprite(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const float down = static_cast<float>(y) / (kHeight - 1);
        const float cover =
            (kCoverTop + (kCoverBottom - kCoverTop) * down) * Smooth(static_cast<float>(y) / kFade);
        const Rgb color = Mix(kTopColor, kBottomColor, down);
        for (int x = 0; x < kWidth; ++x) sprite.Over(x, y, color, cover);
    }
    // The rule fades out towards both ends of the screen.
    for (int x = 0; x < kWidth; ++x) {
        const float across = std::sin(3.14159265f * (x + 0.5f) / kWidth);
        sprite.Over(x, kRule, kGold, 0.55f * across * across);
        sprite.Over(x, kRule + 1, kGold, 0.12f * across * across);
    }
    return sprite.ToImage();
}

}  // namespace orvane::demo
