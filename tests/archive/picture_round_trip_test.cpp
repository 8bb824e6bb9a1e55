// What the engine writes it must read back: BMP exactly (T included), JPEG closely; and damaged
// JPEG data must fail cleanly.
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive/bmp_decoder.h"
#include "archive/bmp_writer.h"
#include "archive/jpeg_codec.h"

namespace orvane {
namespace {

Image RandomPicture(int width, int height, uint32_t seed) {
    std::mt19937 random(seed);
    Image image(width, height);
    for (uint32_t& pixel : image.pixels) pixel = random();
    return image;
}

// Smooth enough for JPEG to keep close to it.
Image Gradient(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = MakePixel(static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4),
                                       static_cast<uint8_t>(128 + x - y), 255);
        }
    }
    return image;
}

TEST(BmpRoundTrip, ThirtyTwoBitsKeepEveryByteIncludingTAndTwentyFourDropT) {
    for (int width = 1; width <= 5; ++width) {  // every row padding of the 24-bit form
        SCOPED_TRACE(width);
        const Image original = RandomPicture(width, 3, width);
        Image decoded;
        std::string error;
        ASSERT_TRUE(DecodeBmp(EncodeBmp32(original), decoded, error)) << error;
        EXPECT_EQ(decoded.width, width);
        EXPECT_EQ(decoded.pixels, original.pixels);

        ASSERT_TRUE(DecodeBmp(EncodeBmp24(original), decoded, error)) << error;
        ASSERT_EQ(decoded.pixels.size(), original.pixels.size());
        for (size_t i = 0; i < original.pixels.size(); ++i) {
            EXPECT_EQ(decoded.pixels[i], original.pixels[i] & 0x00FFFFFF);
        }
    }
    EXPECT_EQ(EncodeBmp24(Image()), "");
}

TEST(JpegRoundTrip, ColourStaysCloseAndComesBackOpaque) {
    const Image original = Gradient(37, 23);  // not a whole number of 8x8 blocks
    const std::string jpeg = EncodeJpeg(original, 95);
    ASSERT_FALSE(jpeg.empty());
    Image decoded;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(jpeg, decoded, error)) << error;
    ASSERT_EQ(decoded.width, 37);
    ASSERT_EQ(decoded.height, 23);
    double total = 0;
    for (size_t i = 0; i < original.pixels.size(); ++i) {
        const uint32_t a = original.pixels[i], b = decoded.pixels[i];
        EXPECT_EQ(PixelT(b), 0);
        total += std::abs(PixelRed(a) - PixelRed(b)) + std::abs(PixelGreen(a) - PixelGreen(b)) +
                 std::abs(PixelBlue(a) - PixelBlue(b));
    }
    EXPECT_LT(total / (3.0 * original.pixels.size()), 3.0);
    EXPECT_EQ(EncodeJpeg(Image(), 90), "");
}

TEST(DecodeJpeg, DamagedDataFailsCleanly) {
    const std::string jpeg = EncodeJpeg(Gradient(20, 12), 80);
    // Every prefix lives in a heap block of its own size, so ASan sees any read past its end.
    for (size_t length = 0; length < jpeg.size(); ++length) {
        const std::vector<char> prefix(jpeg.begin(), jpeg.begin() + length);
        Image image;
        std::string error;
        if (DecodeJpeg(std::string_view(prefix.data(), length), image, error)) {
            EXPECT_EQ(image.pixels.size(), 240u) << length;
        } else {
            EXPECT_FALSE(error.empty()) << length;
        }
    }
    Image image;
    std::string error;
    EXPECT_FALSE(DecodeJpeg("BM not a jpeg at all", image, error));
    EXPECT_NE(error.find("JPEG"), std::string::npos) << error;

    // The frame header declares 60000x60000; the limit must stop it before any allocation.
    std::string huge = jpeg;
    const size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\xEA\x60\xEA\x60");
    EXPECT_FALSE(DecodeJpeg(huge, image, error));
    EXPECT_NE(error.find("60000x60000"), std::string::npos) << error;
}

}  // namespace
}  // namespace orvane
