// The pictures of the two letter-boxed cinematic commands, "qmove " and "set spacing": strips
// above and below the band, and the band's underlay for the strips that "set spacing" shows.
#pragma once

#include "archive/fixed_picture.h"

namespace orvane {

inline constexpr char kTopStripPicture[] = "topline.bmp";
inline constexpr char kBottomStripPicture[] = "bottomline.bmp";
inline constexpr char kBandUnderlayPicture[] = "podlozhka.bmp";

// What the band shows without them is the frame it covered, not a strip.
FixedPictures QmovePictures();
FixedPictures SpacingPictures();

}  // namespace orvane
