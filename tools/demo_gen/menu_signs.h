// The signs of the main menu, the options screen, the chapter menu and the lookout strip, drawn
// in the manner of the in-game menu's icons (menu_icons.h): one shape each, centred on a point
// and `size` pixels high. Also the plate every menu button stands on.
#pragma once

#include "canvas.h"
#include "menu_icons.h"
#include "shapes.h"

namespace orvane::demo {

enum class Sign {
    Picture,  // the gallery: a framed landscape
    Brush,    // how the demo was made
    Cards,    // the card game: two cards fanned
    Screen,   // full screen
    Speaker,  // sound effects and voices
    Note,     // music
    Back,     // back where the screen was opened from
    Left,     // look left
    Right,    // look right
    Eye,      // look around
};

Shape SignShape(Sign sign, Point centre, float size);

// The colours the menus share with the in-game menu.
inline constexpr Rgb kMenuGround = Hex(0x1C2236);
inline constexpr Rgb kMenuButton = Hex(0x2A3352);
inline constexpr Rgb kMenuGold = Hex(0xC9A45A);
inline constexpr Rgb kMenuSign = Hex(0xE8D8A8);

// A button plate with a gold edge and `sign` in its middle.
void DrawPlate(Canvas& canvas, float x0, float y0, float x1, float y1, const Shape& sign);

// A canvas that starts as `picture`, dimmed towards `shade` by `dim` (0 none .. 1 all shade).
Canvas CanvasOf(const Image& picture, Rgb shade = {}, float dim = 0);

}  // namespace orvane::demo
