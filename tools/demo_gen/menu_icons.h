// Small pictograms for the demo's in-game menu and journal: the game has no lettering of its
// own, so each button says what it does by a sign. Each is one shape, filled in one colour,
// centred on a point and `size` pixels high.
#pragma once

#include "shapes.h"

namespace orvane::demo {

enum class Icon {
    Play,      // go on
    Floppy,    // save
    Folder,    // load
    Gear,      // options
    House,     // the main menu
    Power,     // quit
    Check,     // yes
    Cross,     // no, close
    Die,       // let chance decide
    Question,  // a question mark
};

Shape IconShape(Icon icon, Point centre, float size);

// Everything either shape covers.
Shape Union(Shape a, Shape b);

}  // namespace orvane::demo
