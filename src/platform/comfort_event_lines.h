// The lines of the headless driver's event file for what a player of today expects besides the
// original's input: keys held and let go, the mouse wheel, and a game controller.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "platform/events.h"
#include "platform/game_pad.h"

namespace orvane {

struct ComfortLine {
    enum class Kind { Hold, Release, Wheel, PadButton, PadAxis };
    Kind kind = Kind::Hold;
    int key = 0;      // Hold, Release: a Windows key code
    int notches = 0;  // Wheel: 1 down (towards the player), -1 up
    PadButton button = PadButton::A;
    bool down = false;
    PadAxis axis = PadAxis::LeftX;
    int value = 0;
};

// "hold", "release", "wheel" and "pad".
bool IsComfortVerb(std::string_view verb);
// Reads the words after the verb. False, with the reason, for a line that cannot be read.
bool ParseComfortLine(std::string_view verb, std::istream& words, ComfortLine& line,
                      std::string& error);
// Keys and the wheel go to the handler at once; the controller through `pad`.
void PlayComfortLine(const ComfortLine& line, GamePad& pad, EventHandler& handler);

}  // namespace orvane
