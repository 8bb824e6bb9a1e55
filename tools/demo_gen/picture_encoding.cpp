#include "picture_encoding.h"

#include "archive/bmp_writer.h"
#include "archive/jpeg_codec.h"

namespace orvane::demo {
namespace {

// High enough that gradients stay smooth; the pictures are only made once per build.
constexpr int kJpegQuality = 92;

}  // namespace

std::string EncodePicture(const Image& image, PictureFormat format) {
    switch (format) {
        case PictureFormat::Jpeg:
            return EncodeJpeg(image, kJpegQuality);
        case PictureFormat::Bmp24:
            return EncodeBmp24(image);
        case PictureFormat::Bmp32:
            return EncodeBmp32(image);
    }
    return {};
}

}  // namespace orvane::demo
