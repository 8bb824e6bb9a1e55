#include <gtest/gtest.h>

#include "archive/picture_loader.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::GameArchive;
using testing::JpegOf;
using testing::Bmp32Of;
using testing::TempDir;

constexpr uint32_t kRed = MakePixel(250, 0, 0);
constexpr uint32_t kBlue = MakePixel(0, 0, 250);
constexpr uint32_t kGrey = MakePixel(9, 9, 9, 9);

bool Near(uint32_t a, uint32_t b) {
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 6) return false;
    }
    return true;
}

class PictureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameArchive()
            .Entry("bg_red.jpg", JpegOf(64, 48, kRed))
            .Entry("small.jpg", JpegOf(640, 480, kBlue))
            .Entry("ch.bmp", Bmp32Of(8, 8, MakePixel(1, 2, 3, 255)))
            .Entry("photo.jpeg.bmp", JpegOf(4, 4, kBlue))
            .WriteTo(game / "Orvane.pak");
    }
    TempDir game;
    TempDir player;
    PictureLoader loader{game.path(), player.path()};
};

TEST_F(PictureLoaderTest, ALooseFileWinsOverTheArchiveEntry) {
    game.Write("BG_RED.JPG", JpegOf(64, 48, kBlue));
    Image surface(64, 48);
    loader.LoadPicture(surface, "bg_red.jpg");
    EXPECT_TRUE(Near(surface.at(10, 10), kBlue));
}

TEST_F(PictureLoaderTest, ASmallerPictureGoesTopLeftAndTheRestIsBlack) {
    Image surface(1024, 768);
    std::fill(surface.pixels.begin(), surface.pixels.end(), kGrey);
    EXPECT_EQ(loader.LoadPicture(surface, "small.jpg"), 0);
    EXPECT_EQ(loader.LastPictureWidth, 640);
    EXPECT_EQ(loader.LastPictureHeight, 480);
    EXPECT_TRUE(Near(surface.at(639, 479), kBlue));
    EXPECT_EQ(surface.at(640, 0), 0u);
    EXPECT_EQ(surface.at(0, 480), 0u);
    // And a larger one is cut to the surface.
    Image tiny(10, 10);
    loader.LoadPicture(tiny, "small.jpg");
    EXPECT_TRUE(Near(tiny.at(9, 9), kBlue));
}

TEST_F(PictureLoaderTest, AMissingJpegRepeatsTheLastJpegAndAMissingBmpChangesNothing) {
    Image surface(64, 48);
    loader.LoadPicture(surface, "bg_red.jpg");
    std::fill(surface.pixels.begin(), surface.pixels.end(), kGrey);
    loader.LoadPicture(surface, "absent.jpg");
    EXPECT_TRUE(Near(surface.at(5, 5), kRed));
    EXPECT_EQ(loader.LastPictureWidth, 64);

    std::fill(surface.pixels.begin(), surface.pixels.end(), kGrey);
    loader.LoadPicture(surface, "absent.bmp");
    EXPECT_EQ(surface.at(5, 5), kGrey);
    EXPECT_EQ(loader.LastPictureWidth, 0);
    EXPECT_EQ(loader.LastPictureHeight, 0);
}

TEST_F(PictureLoaderTest, TheKindIsToldByACaseSensitiveSearchOfTheName) {
    Image surface(4, 4);
    std::fill(surface.pixels.begin(), surface.pixels.end(), kGrey);
    // ".JPG" is not ".jpg": the JPEG data is taken for a bitmap and does not decode.
    game.Write("upper.JPG", JpegOf(4, 4, kRed));
    loader.LoadPicture(surface, "upper.JPG");
    EXPECT_EQ(surface.at(0, 0), kGrey);
    EXPECT_EQ(loader.LastPictureWidth, 0);
    // ".jpeg" anywhere makes a JPEG.
    loader.LoadPicture(surface, "photo.jpeg.bmp");
    EXPECT_TRUE(Near(surface.at(0, 0), kBlue));
}

TEST_F(PictureLoaderTest, TheTransparencyByteOfA32BitBitmapArrivesUnchanged) {
    Image surface(8, 8);
    loader.LoadPicture(surface, "ch.bmp");
    EXPECT_EQ(surface.at(3, 3), MakePixel(1, 2, 3, 255));
}

TEST_F(PictureLoaderTest, TheThumbnailNameAlwaysMeansThePlayersFile) {
    game.Write("screen_.bmp", Bmp32Of(4, 4, kRed));
    Image surface(4, 4);
    loader.LoadPicture(surface, "screen_.bmp");
    EXPECT_EQ(loader.LastPictureWidth, 0);  // not in the player's folder yet
    player.Write("screen_.bmp", Bmp32Of(4, 4, kBlue));
    loader.LoadPicture(surface, "screen_.bmp");
    EXPECT_EQ(surface.at(1, 1), kBlue);
}

TEST_F(PictureLoaderTest, ABrokenFileIsReportedAndLeavesTheSurface) {
    game.Write("broken.bmp", "BM this is not a bitmap");
    Image surface(4, 4);
    std::fill(surface.pixels.begin(), surface.pixels.end(), kGrey);
    loader.LoadPicture(surface, "broken.bmp");
    EXPECT_EQ(surface.at(0, 0), kGrey);
    EXPECT_EQ(loader.LoadPicture(surface, std::string(300, 'a') + ".bmp"), 0);
}

}  // namespace
}  // namespace orvane
