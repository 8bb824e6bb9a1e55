// JPEG pictures through libjpeg-turbo, whose failures come back as errors instead of ending the
// program.
#pragma once

#include <string>
#include <string_view>

#include "base/image.h"

namespace orvane {

// Decodes a whole .jpg file into opaque pixels (T = 0); greyscale and CMYK pictures are
// converted to colour. On failure returns false, leaves `out` alone and says why in `error`.
bool DecodeJpeg(std::string_view bytes, Image& out, std::string& error);

// Encodes in memory at `quality` 1..100 (clamped); T is dropped. An empty picture, or one the
// format cannot hold, gives an empty string.
std::string EncodeJpeg(const Image& image, int quality);

}  // namespace orvane
