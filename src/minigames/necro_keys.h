// The keys of the drawn phone: where each lies on the phone picture and what it is called.
#pragma once

#include "render/surface.h"

namespace orvane {

// The phone picture's place in the frame.
inline constexpr int kPhoneX = 312;
inline constexpr int kPhoneY = 0;

// The keys that do something; the others (1, 9 to 16) only light up.
enum NecroKeyCode {
    kNecroNoKey = 0,
    kNecroDown = 2,
    kNecroRight = 3,
    kNecroLeft = 5,
    kNecroUp = 6,
    kNecroSelect = 7
};

struct NecroKeyArea {
    int key;
    Rect area;  // on the phone picture; a point must lie strictly inside
};

// The key under (x, y) of the frame, and where it lies; kNecroNoKey when none is.
NecroKeyArea NecroKeyAt(int x, int y);

}  // namespace orvane
