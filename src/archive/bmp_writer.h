// Writes pictures as plain bottom-up Windows BMP files that every viewer opens.
#pragma once

#include <string>

#include "base/image.h"

namespace orvane {

// 24 bits per pixel; T is dropped. An empty picture gives an empty string.
std::string EncodeBmp24(const Image& image);

// 32 bits per pixel without bit masks, T written as the fourth byte, so that DecodeBmp gives
// back exactly the same pixels. An empty picture gives an empty string.
std::string EncodeBmp32(const Image& image);

}  // namespace orvane
