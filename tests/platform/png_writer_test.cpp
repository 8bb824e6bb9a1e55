#include "platform/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;
using testing::TempDir;

struct DecodedPng {
    bool ok = false;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t format = 0;
    std::vector<uint8_t> rgb;
};

DecodedPng ReadPng(const std::filesystem::path& path) {
    DecodedPng out;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
    out.width = image.width;
    out.height = image.height;
    out.format = image.format;
    image.format = PNG_FORMAT_RGB;
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    out.ok = png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return out;
}

void ExpectSamePixels(const Image& written, const DecodedPng& read) {
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.width, static_cast<uint32_t>(written.width));
    ASSERT_EQ(read.height, static_cast<uint32_t>(written.height));
    int mismatches = 0;
    for (int y = 0; y < written.height; ++y) {
        for (int x = 0; x < written.width; ++x) {
            const uint32_t p = written.at(x, y);
            const uint8_t* q = &read.rgb[(static_cast<size_t>(y) * written.width + x) * 3];
            if (q[0] != PixelRed(p) || q[1] != PixelGreen(p) || q[2] != PixelBlue(p)) {
                if (++mismatches <= 5) ADD_FAILURE() << "pixel " << x << "," << y;
            }
        }
    }
}

TEST(WritePng, RoundTripKeepsColoursAndDropsT) {
    TempDir dir;
    // Not square, so that swapped rows and columns show.
    Image image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.at(x, y) =
                MakePixel(static_cast<uint8_t>(40 * x + y), static_cast<uint8_t>(200 - 60 * y),
                          static_cast<uint8_t>(x * y * 17), static_cast<uint8_t>(x * 60));
        }
    }
    const auto path = dir / "small.png";
    std::string error;
    ASSERT_TRUE(WritePng(path, image, error)) << error;

    const DecodedPng read = ReadPng(path);
    // An opaque 8-bit RGB file: the T byte must not come out as alpha.
    EXPECT_EQ(read.format, static_cast<uint32_t>(PNG_FORMAT_RGB));
    const std::string bytes = ReadWholeFile(path);
    ASSERT_GT(bytes.size(), 26u);
    EXPECT_EQ(bytes[24], 8) << "bit depth";
    EXPECT_EQ(bytes[25], PNG_COLOR_TYPE_RGB) << "colour type";
    ExpectSamePixels(image, read);
}

TEST(WritePng, FullFrameRoundTrip) {
    TempDir dir;
    Image image(1024, 768);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.at(x, y) =
                MakePixel(static_cast<uint8_t>(x * 7 ^ y), static_cast<uint8_t>(y * 13),
                          static_cast<uint8_t>(x + y), 0xFF);
        }
    }
    const auto path = dir / "frame.png";
    std::string error;
    ASSERT_TRUE(WritePng(path, image, error)) << error;
    ExpectSamePixels(image, ReadPng(path));
}

TEST(WritePng, ReplacesTheOldFileAndLeavesNothingElse) {
    TempDir dir;
    const auto path = dir.Write("shot.png", "old contents");
    Image image(2, 2);
    image.at(1, 1) = MakePixel(1, 2, 3);
    std::string error;
    ASSERT_TRUE(WritePng(path, image, error)) << error;
    ExpectSamePixels(image, ReadPng(path));

    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(WritePng, FailuresSayWhyAndWriteNothing) {
    TempDir dir;
    std::string error;
    const auto missingFolder = dir / "no-such-folder" / "shot.png";
    EXPECT_FALSE(WritePng(missingFolder, Image(4, 4), error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missingFolder));

    error.clear();
    const auto emptyPath = dir / "empty.png";
    EXPECT_FALSE(WritePng(emptyPath, Image(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(emptyPath));
}

}  // namespace
}  // namespace orvane
