// Keys reach the engine as Windows virtual-key codes chosen by the physical key, so that the
// game's key tests behave the same under any keyboard layout.
#pragma once

namespace orvane {

// `sdlScancode` is an SDL scancode (a USB HID usage id); the result is a code of keycodes.h, or 0
// for a key the engine does not know.
int VirtualKeyFromScancode(int sdlScancode);

}  // namespace orvane
