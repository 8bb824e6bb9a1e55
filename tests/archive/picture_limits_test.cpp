// A picture's header may declare any size, and a few bytes of run-length data (or a truncated
// JPEG, which the library pads) fill it; only the size limits keep memory in bounds.
#include <string>

#include <gtest/gtest.h>

#include "archive/bmp_decoder.h"
#include "archive/jpeg_codec.h"
#include "archive/picture_limits.h"
#include "support/game_folder.h"

namespace orvane {
namespace {

// A small JPEG whose frame header claims another size.
std::string JpegClaiming(int width, int height) {
    std::string jpeg = testing::JpegOf(8, 8, MakePixel(1, 2, 3));
    const size_t frame = jpeg.find("\xFF\xC0");
    EXPECT_NE(frame, std::string::npos);
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

TEST(PictureLimits, SixteenMegapixelsAndSixteenThousandOnASide) {
    struct Case {
        int width, height;
        bool accepted;
    };
    const Case
        cases[] =
            {
                {4096, 4096, true},   {16384, 1024, true},  {1, 16384, true},
                {4097, 4096, false},  {16384, 1025, false}, {16385, 1, false},
                {16384, 4096, false},  // the three of these that took the engine past a gigabyte
            };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        std::string error;
        EXPECT_EQ(CheckPictureSize(c.width, c.height, error), c.accepted);
        Image image(1, 1);
        EXPECT_EQ(DecodeBmp(testing::RunLengthBmpOf(c.width, c.height), image, error), c.accepted)
            << error;
        if (c.accepted) {
            EXPECT_EQ(image.width, c.width);
            EXPECT_EQ(image.pixels.size(), size_t(c.width) * size_t(c.height));
        } else {
            EXPECT_NE(error.find("larger than the engine accepts"), std::string::npos) << error;
            EXPECT_EQ(image.width, 1);  // left alone
            image = Image(1, 1);
            // Decoding the JPEG would mean hundreds of megabytes, so only refusals are tried.
            EXPECT_FALSE(DecodeJpeg(JpegClaiming(c.width, c.height), image, error));
            EXPECT_NE(error.find("larger than the engine accepts"), std::string::npos) << error;
            EXPECT_EQ(image.width, 1);
        }
    }
}

}  // namespace
}  // namespace orvane
