// A drawn picture as the bytes of its file.
#pragma once

#include <string>

#include "base/image.h"
#include "pictures.h"

namespace orvane::demo {

// Empty when the picture cannot be encoded.
std::string EncodePicture(const Image& image, PictureFormat format);

}  // namespace orvane::demo
