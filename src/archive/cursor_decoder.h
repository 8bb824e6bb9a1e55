// Windows cursor files (.cur): the icon directory, and in the chosen entry either a device-
// independent bitmap with its AND mask or a PNG picture.
#pragma once

#include <string>
#include <string_view>

#include "base/image.h"

namespace orvane {

// Larger pointers than this are no pointers; Windows itself stops at 256.
inline constexpr int kMaxCursorSide = 256;

struct CursorPicture {
    Image picture;  // the T byte holds the transparency, as in every picture of the engine
    int hotX = 0;
    int hotY = 0;
};

// Decodes the entry nearest the ordinary pointer size (32 x 32). On failure returns false,
// leaves `out` alone and says why in `error`.
bool DecodeCursor(std::string_view bytes, CursorPicture& out, std::string& error);

}  // namespace orvane
