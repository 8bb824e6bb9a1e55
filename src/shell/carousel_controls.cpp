#include "shell/carousel_controls.h"

namespace orvane {
namespace {

constexpr Rect kControlStrip{1, 167, 245, 198};
constexpr int kControlStripX = 386;
constexpr int kControlStripY = 708;

}  // namespace

int CarouselControlAt(std::span<const CarouselControl> controls, int x, int y) {
    for (const CarouselControl& control : controls) {
        if (control.area.Contains(x, y)) return control.button;
    }
    return 0;
}

void DrawCarouselControls(Surface& back, const Surface& pictures,
                          std::span<const CarouselControl> controls, int lit) {
    CopyRect(back, kControlStripX, kControlStripY, pictures, &kControlStrip);
    for (const CarouselControl& control : controls) {
        if (control.button != lit || control.lit.width() == 0) continue;
        CopyRect(back, control.litX, control.litY, pictures, &control.lit);
        return;
    }
}

}  // namespace orvane
