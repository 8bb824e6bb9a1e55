// The phone game's sounds. The engine plays a screen's sound from a loose file of the game
// folder, so orvane-demo-sounds writes them there with the music; default.scn names them.
#pragma once

#include <string_view>
#include <vector>

#include "sound.h"

namespace orvane::demo {

struct PhoneSound {
    std::string_view file;
    StereoSignal (*compose)();
};

const std::vector<PhoneSound>& PhoneSounds();

StereoSignal ComposePhoneStorm();  // wind and breakers under a low drone
StereoSignal ComposePhoneGhost();  // a cold, wavering chord and a bell far off
StereoSignal ComposePhoneLight();  // a bright rising chime

}  // namespace orvane::demo
