// Windows BMP pictures as game data stores them: every depth and compression that Windows itself
// reads, from the OS/2 core header up to the V5 header.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "archive/picture_limits.h"
#include "base/image.h"

namespace orvane {

// Decodes a whole .bmp file. In a 32-bit file without bit masks the fourth byte of each pixel
// reaches `out` unchanged as T, because the game keeps transparency there; every other kind of
// pixel arrives with T = 0. Pixels that run-length data never sets are black. On failure
// returns false, leaves `out` alone and says why in `error`.
bool DecodeBmp(std::string_view bytes, Image& out, std::string& error);

}  // namespace orvane
