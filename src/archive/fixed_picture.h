// A picture that a screen loads by a name of its own rather than one a script gives. Each screen
// lists its names beside the code that loads them, so that orvane-lint looks for the same files.
#pragma once

#include <vector>

namespace orvane {

enum class PictureNeed {
    Required,  // without it the screen shows nothing useful, or another picture in its place
    Optional,  // the screen works, but a part of it is missing or looks wrong
    Fallback,  // what the screen draws without it is as good (a black or white page)
};

struct FixedPicture {
    const char* name;
    PictureNeed need;
};

using FixedPictures = std::vector<FixedPicture>;

}  // namespace orvane
