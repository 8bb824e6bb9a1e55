// The picture in the letter-boxed band before anything covers it: a deep night-blue cloth
// with a faint gold lattice, lit in the middle.
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 570;
constexpr float kCell = 48;

}  // namespace

Image DrawBandUnderlay() {
    Canvas canvas(kWidth, kHeight);
    static constexpr GradientStop kCloth[] = {
        {0.0f, Hex(0x110E22)}, {0.5f, Hex(0x1D1838)}, {1.0f, Hex(0x110E22)}};
    canvas.VerticalGradient(kCloth);
    canvas.Glow(kWidth / 2.0f, kHeight / 2.0f, 520, Hex(0x4A3A70), 0.35f);
    // Lines at 45 degrees each way: x - y = -kHeight + n kCell and x + y = m kCell.
    for (float d = -kHeight; d < kWidth + kHeight; d += kCell) {
        canvas.Fill(Capsule({d, 0}, {d + kHeight, kHeight}, 0.5f), Hex(0xC8A060), 0.08f);
        canvas.Fill(Capsule({d, kHeight}, {d + kHeight, 0}, 0.5f), Hex(0xC8A060), 0.08f);
    }
    // A small star where they cross.
    for (float difference = -kHeight; difference < kWidth; difference += kCell) {
        for (float sum = 0; sum < kWidth + kHeight; sum += kCell) {
            const float x = (sum + difference) / 2, y = (sum - difference) / 2;
            if (x >= 0 && x <= kWidth && y >= 0 && y <= kHeight) {
                canvas.Disc({x, y, 1.8f}, Hex(0xE0C080), 0.3f);
            }
        }
    }
    return canvas.ToImage();
}

}  // namespace orvane::demo
