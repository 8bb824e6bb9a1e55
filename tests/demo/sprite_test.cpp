#include <gtest/gtest.h>

#include "sprite.h"

namespace orvane::demo {
namespace {

TEST(Sprite, UntouchedPixelsAreTransparentAndBlack) {
    // The engine's blend of an odd last column reads black as see-through and ignores T.
    const Image image = Sprite(3, 2).ToImage();
    for (uint32_t p : image.pixels) EXPECT_EQ(p, MakePixel(0, 0, 0, 255));
}

TEST(Sprite, CoverBecomesTheTransparencyByte) {
    Sprite sprite(4, 1);
    sprite.Over(0, 0, Hex(0xFF8000), 1);
    sprite.Over(1, 0, Hex(0xFF8000), 0.5f);
    sprite.Over(2, 0, Hex(0xFF8000), 0.001f);
    const Image image = sprite.ToImage();
    EXPECT_EQ(PixelT(image.at(0, 0)), 0);
    EXPECT_EQ(PixelRed(image.at(0, 0)), 255);
    EXPECT_NEAR(PixelGreen(image.at(0, 0)), 128, 1);
    EXPECT_NEAR(PixelT(image.at(1, 0)), 128, 1);
    // A soft edge keeps its full colour; only T says how much of it shows.
    EXPECT_EQ(PixelRed(image.at(1, 0)), 255);
    EXPECT_EQ(image.at(2, 0), MakePixel(0, 0, 0, 255));
}

TEST(Sprite, LayersAddUpLikePaint) {
    Sprite sprite(1, 1);
    sprite.Over(0, 0, {1, 0, 0}, 0.5f);
    sprite.Over(0, 0, {0, 0, 1}, 0.5f);
    EXPECT_NEAR(sprite.cover(0, 0), 0.75f, 1e-5f);
    // The top layer is half the pixel, the one below shows through on a quarter.
    EXPECT_NEAR(sprite.color(0, 0).b, 2.0f / 3, 1e-5f);
    EXPECT_NEAR(sprite.color(0, 0).r, 1.0f / 3, 1e-5f);

    sprite.Over(0, 0, {0, 1, 0}, 1);
    EXPECT_FLOAT_EQ(sprite.cover(0, 0), 1);
    EXPECT_FLOAT_EQ(sprite.color(0, 0).g, 1);
    EXPECT_FLOAT_EQ(sprite.color(0, 0).r, 0);
}

TEST(Sprite, TintColoursOnlyWhatIsDrawn) {
    Sprite sprite(10, 1);
    sprite.Fill(RoundRect(0, 0, 5, 1, 0), Rgb{1, 1, 1});
    sprite.Tint(RoundRect(0, 0, 10, 1, 0), Rgb{0, 0, 0}, 0.5f);
    EXPECT_NEAR(sprite.color(2, 0).r, 0.5f, 1e-5f);
    EXPECT_FLOAT_EQ(sprite.cover(2, 0), 1);
    EXPECT_FLOAT_EQ(sprite.cover(8, 0), 0);
}

TEST(Sprite, HaloIsSeeThroughAndFadesOut) {
    Sprite sprite(41, 41);
    sprite.Halo({20.5f, 20.5f}, 20, Hex(0xFFC060), 0.8f);
    EXPECT_NEAR(sprite.cover(20, 20), 0.8f, 0.01f);
    EXPECT_LT(sprite.cover(30, 20), sprite.cover(25, 20));
    EXPECT_FLOAT_EQ(sprite.cover(0, 0), 0);
    EXPECT_FLOAT_EQ(sprite.cover(40, 20), 0);
}

TEST(Sprite, DrawingOutsideIsIgnored) {
    Sprite sprite(4, 4);
    sprite.Over(-1, 0, {1, 1, 1}, 1);
    sprite.Over(0, 4, {1, 1, 1}, 1);
    sprite.Fill(Ellipse({-50, -50}, 10, 10), Rgb{1, 1, 1});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_FLOAT_EQ(sprite.cover(x, y), 0);
    }
}

}  // namespace
}  // namespace orvane::demo
