// The public BMP suite: real files from many writers, with the look each one must have.
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "archive/bmp_decoder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

fs::path SuiteDir() {
    const fs::path shared = testing::SharedTestData();
    return shared.empty() ? fs::path() : shared / "bmpsuite";
}

std::vector<fs::path> BmpFilesIn(const fs::path& dir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() == ".bmp") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool LoadPng(const fs::path& path, Image& out) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_BGR;
    std::vector<uint8_t> buffer(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, buffer.data(), 0, nullptr)) return false;
    out = Image(static_cast<int>(png.width), static_cast<int>(png.height));
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        out.pixels[i] = MakePixel(buffer[3 * i + 2], buffer[3 * i + 1], buffer[3 * i]);
    }
    return true;
}

// Files without a picture of their own look like the plainest member of their family.
std::string ReferenceName(const std::string& stem) {
    if (fs::exists(SuiteDir() / "reference" / (stem + ".png"))) return stem;
    const std::pair<const char*, const char*> families[] = {
        {"pal1", "pal1"},   {"pal4", "pal4"},   {"pal8", "pal8"},   {"rgb16-565", "rgb16-565"},
        {"rgb16", "rgb16"}, {"rgb24", "rgb24"}, {"rgb32", "rgb24"},
    };
    for (const auto& [prefix, reference] : families) {
        if (stem.rfind(prefix, 0) == 0) return reference;
    }
    return {};
}

struct Difference {
    int worst = 0;  // largest difference of one channel
    double mean = 0;
};

// `rowStep` 2 compares with every other row of the reference. T is not compared.
Difference Compare(const Image& decoded, const Image& reference, int rowStep) {
    Difference result;
    for (int y = 0; y < decoded.height; ++y) {
        for (int x = 0; x < decoded.width; ++x) {
            const uint32_t a = decoded.at(x, y), b = reference.at(x, y * rowStep);
            const int distance = std::max({std::abs(PixelRed(a) - PixelRed(b)),
                                           std::abs(PixelGreen(a) - PixelGreen(b)),
                                           std::abs(PixelBlue(a) - PixelBlue(b))});
            result.worst = std::max(result.worst, distance);
            result.mean += distance;
        }
    }
    result.mean /= static_cast<double>(decoded.pixels.size());
    return result;
}

TEST(BmpSuite, EveryGoodFileLooksLikeItsReference) {
    if (SuiteDir().empty()) GTEST_SKIP() << "shared test data not present";
    for (const fs::path& file : BmpFilesIn(SuiteDir() / "g")) {
        SCOPED_TRACE(file.filename().string());
        Image decoded;
        std::string error;
        ASSERT_TRUE(DecodeBmp(testing::ReadWholeFile(file), decoded, error)) << error;
        const std::string stem = file.stem().string();
        const std::string referenceName = ReferenceName(stem);
        ASSERT_FALSE(referenceName.empty());
        Image reference;
        ASSERT_TRUE(LoadPng(SuiteDir() / "reference" / (referenceName + ".png"), reference));
        const bool halfHeight = stem == "pal8nonsquare";
        ASSERT_EQ(decoded.width, reference.width);
        ASSERT_EQ(decoded.height * (halfHeight ? 2 : 1), reference.height);
        const Difference difference = Compare(decoded, reference, halfHeight ? 2 : 1);
        if (halfHeight) {
            // Drawn anew at half height, so only the overall look can match: it is off by about
            // 21 on average, upside down by over 100, with a grey palette by over 50.
            EXPECT_LT(difference.mean, 32);
        } else {
            // The reference rounds 5- and 6-bit channels where we repeat their bits.
            EXPECT_LE(difference.worst, stem.rfind("rgb16", 0) == 0 ? 1 : 0);
        }
        if (stem.rfind("rgb32", 0) != 0) {
            EXPECT_TRUE(std::all_of(decoded.pixels.begin(), decoded.pixels.end(),
                                    [](uint32_t pixel) { return PixelT(pixel) == 0; }));
        }
    }
}

TEST(BmpSuite, BadFilesAreRejectedOrDecodedSafely) {
    if (SuiteDir().empty()) GTEST_SKIP() << "shared test data not present";
    for (const fs::path& file : BmpFilesIn(SuiteDir() / "b")) {
        SCOPED_TRACE(file.filename().string());
        Image decoded;
        std::string error;
        if (DecodeBmp(testing::ReadWholeFile(file), decoded, error)) {
            EXPECT_EQ(decoded.pixels.size(), static_cast<size_t>(decoded.width) * decoded.height);
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
}

}  // namespace
}  // namespace orvane
