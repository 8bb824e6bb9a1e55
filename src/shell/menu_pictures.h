// The pictures the menus draw from: where the plain menu picture is kept, and drawing a
// full-screen picture over the frame.
#pragma once

#include "render/media_slots.h"
#include "render/surface.h"

namespace orvane {

// The plain picture of the menu on screen: pool surface 10, kept from the stage's use while the
// menu is shown.
inline constexpr int kSlotMenuPicture = PoolSlotOf(10);

// Draws `picture` at the top left of the frame, as much of it as the frame holds: blended with
// full opacity, so its transparent pixels keep what is there, or copied as it is.
void DrawScreenPicture(Surface& back, const Surface& picture, bool blend);

}  // namespace orvane
