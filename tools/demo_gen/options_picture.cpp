// The options screen: the bar of the sound effects (a speaker) and of the music (a note), ten
// boxes each, and the button back. The engine fills a box by copying its red box in and empties
// one, like a marker, by copying the picture's own top-left corner over it: so the ground is one
// flat colour there, and each box's frame lies just outside the square the engine paints.
#include "menu_signs.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kBoxes = 10;
constexpr float kBoxSide = 18;
constexpr float kSoundBarY = 384;
constexpr float kMusicBarY = 489;

float BoxX(int k) {
    return 87.0f + 24.0f * k;
}

void DrawBar(Canvas& canvas, float y, Sign sign) {
    canvas.Fill(SignShape(sign, {52, y + kBoxSide / 2}, 30), kMenuSign);
    for (int k = 0; k < kBoxes; ++k) {
        const float x = BoxX(k);
        // The louder the box, the brighter its frame.
        const Shape frame = RoundRect(x - 3, y - 3, x + kBoxSide + 3, y + kBoxSide + 3, 3);
        canvas.Fill(Subtract(frame, RoundRect(x - 1, y - 1, x + kBoxSide + 1, y + kBoxSide + 1, 1)),
                    Mix(kMenuButton, kMenuGold, 0.35f + 0.065f * k));
    }
}

}  // namespace

Image DrawOptionsPicture() {
    Canvas canvas(1024, 768, kMenuGround);
    // The title: a large gear over a gold rule.
    canvas.Fill(IconShape(Icon::Gear, {190, 200}, 90), kMenuGold);
    canvas.Fill(Capsule({90, 290}, {300, 290}, 0.8f), kMenuGold, 0.8f);
    DrawBar(canvas, kSoundBarY, Sign::Speaker);
    DrawBar(canvas, kMusicBarY, Sign::Note);
    // Back: the engine takes 80 < x < 205, 600 < y < 615, and marks it at (60, 595).
    DrawPlate(canvas, 85, 598, 200, 617, SignShape(Sign::Back, {142, 607.5f}, 16));
    // On the right, the bars' meaning told by sign: quiet to loud.
    for (int k = 0; k < 4; ++k) {
        const float r = 46.0f + 14.0f * k;
        canvas.Fill(Subtract(Ellipse({700, 440}, r, r), Ellipse({700, 440}, r - 3, r - 3)),
                    kMenuGold, 0.15f + 0.12f * k);
    }
    canvas.Fill(SignShape(Sign::Speaker, {700, 440}, 60), kMenuSign);
    return canvas.ToImage();
}

}  // namespace orvane::demo
