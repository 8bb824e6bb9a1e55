// The demo's music, each track composed by code. The engine plays music only from loose files,
// so orvane-demo-sounds writes every track here straight into the game folder; the playlists
// of the scripts name them.
#pragma once

#include <string_view>
#include <vector>

#include "sound.h"

namespace orvane::demo {

inline constexpr int kMusicRate = 44100;

struct DemoTrack {
    std::string_view file;
    StereoSignal (*compose)();
};

const std::vector<DemoTrack>& DemoTracks();

StereoSignal ComposeDusk();    // a slow pad in A minor with a few soft notes above it
StereoSignal ComposeForest();  // a plucked arpeggio in C major over a quiet pad
StereoSignal ComposeSea();     // a pad in D major, the surf and a few bells

}  // namespace orvane::demo
