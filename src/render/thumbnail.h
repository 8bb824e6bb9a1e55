// The save-game thumbnail: the whole screen scaled down to 400 x 300, kept as a 24-bit BMP.
#pragma once

#include <string>

#include "render/media_slots.h"

namespace orvane {

inline constexpr int kThumbnailWidth = 400;
inline constexpr int kThumbnailHeight = 300;

// `screen` scaled down to 400 x 300 as the bytes of a 24-bit BMP file; empty for an empty
// picture.
std::string ThumbnailBmpOf(const Surface& screen);

// The thumbnail of the back buffer, which also stays in the thumbnail slot as the game kept it.
// Empty when there is no back buffer.
std::string CaptureThumbnailBmp(MediaSlots& slots);

}  // namespace orvane
