// The BMP decoder on its own: every header, depth and compression.
#include <cstdlib>

#include "archive/bmp_decoder.h"
#include "input_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    orvane::Image image;
    std::string error;
    if (!orvane::DecodeBmp(orvane::fuzz::Bytes(data, size), image, error)) return 0;
    // What the rest of the engine relies on: a picture within the limits, every pixel there.
    if (image.empty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height ||
        !orvane::CheckPictureSize(image.width, image.height, error)) {
        std::abort();
    }
    return 0;
}
