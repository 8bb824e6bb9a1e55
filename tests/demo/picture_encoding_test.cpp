#include <gtest/gtest.h>

#include <cstdlib>

#include "archive/bmp_decoder.h"
#include "archive/jpeg_codec.h"
#include "picture_encoding.h"

namespace orvane::demo {
namespace {

Image Sample() {
    Image image(6, 4);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.at(x, y) = MakePixel(static_cast<uint8_t>(40 * x), static_cast<uint8_t>(60 * y),
                                       90, static_cast<uint8_t>(x == 0 ? 255 : 17 * y));
        }
    }
    return image;
}

TEST(PictureEncoding, Bmp32KeepsTheTransparencyOfEveryPixel) {
    const Image image = Sample();
    Image decoded;
    std::string error;
    ASSERT_TRUE(DecodeBmp(EncodePicture(image, PictureFormat::Bmp32), decoded, error)) << error;
    EXPECT_EQ(decoded.width, image.width);
    EXPECT_EQ(decoded.height, image.height);
    EXPECT_EQ(decoded.pixels, image.pixels);
}

TEST(PictureEncoding, Bmp24AndJpegAreOpaque) {
    const Image image = Sample();
    Image bmp, jpeg;
    std::string error;
    ASSERT_TRUE(DecodeBmp(EncodePicture(image, PictureFormat::Bmp24), bmp, error)) << error;
    ASSERT_TRUE(DecodeJpeg(EncodePicture(image, PictureFormat::Jpeg), jpeg, error)) << error;
    ASSERT_EQ(bmp.pixels.size(), image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        EXPECT_EQ(bmp.pixels[i], image.pixels[i] & 0xFFFFFF);
    }
    EXPECT_EQ(jpeg.width, image.width);
    EXPECT_EQ(jpeg.height, image.height);
    EXPECT_EQ(PixelT(jpeg.at(0, 0)), 0);
}

TEST(PictureEncoding, AnEmptyPictureGivesNoBytes) {
    for (PictureFormat format : {PictureFormat::Jpeg, PictureFormat::Bmp24, PictureFormat::Bmp32}) {
        EXPECT_TRUE(EncodePicture(Image(), format).empty());
    }
}

}  // namespace
}  // namespace orvane::demo
