#include "render/thumbnail.h"

#include "archive/bmp_writer.h"

namespace orvane {

std::string ThumbnailBmpOf(const Surface& screen) {
    if (screen.empty()) return {};
    Surface thumbnail(kThumbnailWidth, kThumbnailHeight);
    ScaleDownByArea(screen, thumbnail);
    return EncodeBmp24(thumbnail);
}

std::string CaptureThumbnailBmp(MediaSlots& slots) {
    const Surface* back = slots.Get(kSlotBackBuffer);
    if (!back || back->empty()) return {};
    Surface& thumbnail = slots.Create(kSlotThumbnail, kThumbnailWidth, kThumbnailHeight);
    ScaleDownByArea(*back, thumbnail);
    return EncodeBmp24(thumbnail);
}

}  // namespace orvane
