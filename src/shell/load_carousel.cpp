#include "shell/load_carousel.h"

#include <algorithm>

#include "render/blend.h"

namespace orvane {
namespace {

// The centre thumbnail stands at (312, 341), its frame two pixels up and to the left of it.
constexpr int kCentreX = 312;
constexpr int kThumbnailY = 341;
constexpr int kFrameInset = 2;
// The rows that the carousel covers, the stretched side frames included.
constexpr Rect kBand{0, 339, 1024, 643};

}  // namespace

CarouselPositions CarouselPositions::Start(int count) {
    if (count <= 0) return {};
    return {count, 1, count >= 2 ? 2 : 1};
}

CarouselPositions CarouselPositions::Turned(int count, bool forward) const {
    if (count <= 0) return {};
    const int by = forward ? 1 : -1;
    auto turn = [&](int position) { return SaveIndexOf(position + by, count) + 1; };
    return {turn(left), turn(centre), turn(right)};
}

void DrawCut(Surface& target, const Surface& source, int x, int y, bool blend) {
    // The copy and the blit refuse rectangles that reach outside, and a sliding picture is
    // partly off the screen.
    const Rect from{std::max(0, -x), std::max(0, -y), std::min(source.width, target.width - x),
                    std::min(source.height, target.height - y)};
    if (from.width() <= 0 || from.height() <= 0) return;
    if (blend) {
        BlendBlit(target, source, x + from.left, y + from.top, &from, 255);
    } else {
        CopyRect(target, x + from.left, y + from.top, source, &from);
    }
}

int SaveIndexOf(int position, int count) {
    const int index = (position - 1) % count;
    return index < 0 ? index + count : index;
}

void DrawCarouselAtRest(Surface& screen, const Surface& background, const Surface& frame,
                        std::span<const Surface* const, 3> thumbnails) {
    CopyRect(screen, 0, 0, background);
    // The neighbours' frames are halves of the one frame, stretched by a pixel.
    StretchCopy(screen, {0, 339, 201, 643}, frame, {200, 0, 402, 303});
    StretchCopy(screen, {823, 339, 1024, 643}, frame, {0, 0, 200, 303});
    const Rect whole{0, 0, 400, 300};
    const Rect rightHalf{200, 0, 400, 300};
    const Rect leftHalf{0, 0, 200, 300};
    CopyRect(screen, kCentreX, kThumbnailY, *thumbnails[1], &whole);
    CopyRect(screen, 0, kThumbnailY, *thumbnails[0], &rightHalf);
    CopyRect(screen, 824, kThumbnailY, *thumbnails[2], &leftHalf);
    const Rect wholeFrame{0, 0, 402, 303};
    BlendBlit(screen, frame, kCentreX - kFrameInset, kThumbnailY - kFrameInset, &wholeFrame, 255);
}

void DrawCarouselSlide(Surface& screen, const Surface& background, const Surface& frame,
                       std::span<const Surface* const> thumbnails, int firstX) {
    CopyRect(screen, kBand.left, kBand.top, background, &kBand);
    int x = firstX;
    for (const Surface* thumbnail : thumbnails) {
        DrawCut(screen, *thumbnail, x, kThumbnailY, false);
        DrawCut(screen, frame, x - kFrameInset, kThumbnailY - kFrameInset, true);
        x += kCarouselPitch;
    }
}

}  // namespace orvane
