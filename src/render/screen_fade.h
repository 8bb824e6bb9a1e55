// Whole-screen transitions: fading to or from black and dissolving to or from white, one
// small integer step per pass over every pixel, each pass shown for one display refresh.
#pragma once

#include "archive/picture_loader.h"
#include "platform/platform.h"
#include "render/media_slots.h"

namespace orvane {

enum class FadeKind { ToBlack = 1, ToWhite = 2, FromBlack = 3, FromWhite = 4 };

// One pass: kinds ToBlack and ToWhite change `back` itself; FromBlack and FromWhite bring
// `picture` (the black or white picture) one step towards `back`. Pixels a pass writes get
// T = 0. The step is taken within 1..255 and the limit within 0..255. Returns whether anything
// changed.
bool ScreenFadePass(FadeKind kind, Surface& back, Surface* picture, int step, int limit);

// Runs the whole transition and presents every pass; step and limit are taken as by a pass (so
// a fade to black with a limit below 0 ends on the black picture, as with 0). Afterwards
// the back buffer is shown and the black and white pictures are ready for the next one.
void ScreenFade(MediaSlots& slots, Platform& platform, PictureLoader& pictures, FadeKind kind,
                int step, int limit);

}  // namespace orvane
