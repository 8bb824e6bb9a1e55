#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "canvas.h"
#include "drawn_once.h"

namespace orvane::demo {
namespace {

TEST(Canvas, GradientStopsAreReachedAndMixedBetween) {
    Canvas canvas(1, 100);
    canvas.VerticalGradient(
        std::array{GradientStop{0.2f, Rgb{0, 0, 0}}, GradientStop{0.6f, Rgb{1, 1, 1}}});
    const Image image = canvas.ToImage();
    EXPECT_EQ(PixelRed(image.at(0, 5)), 0);
    EXPECT_EQ(PixelRed(image.at(0, 90)), 255);
    EXPECT_NEAR(PixelRed(image.at(0, 40)), 128, 2);
}

TEST(Canvas, DitherStaysWithinOneStep) {
    // 0.3 of full scale lies between two byte values; every pixel takes one of the two.
    Canvas canvas(8, 8, Rgb{0.3f, 0.3f, 0.3f});
    const Image image = canvas.ToImage();
    int low = 0;
    for (uint32_t p : image.pixels) {
        EXPECT_TRUE(PixelRed(p) == 76 || PixelRed(p) == 77) << int(PixelRed(p));
        EXPECT_EQ(PixelT(p), 0);
        low += PixelRed(p) == 76;
    }
    EXPECT_GT(low, 0);
    EXPECT_LT(low, 64);
}

TEST(Canvas, FillBelowAntiAliasesTheEdgeAndShadesDownwards) {
    Canvas canvas(4, 40);
    canvas.FillBelow([](float) { return 10.5f; }, Rgb{1, 0, 0}, Rgb{0, 0, 1}, 20);
    const Image image = canvas.ToImage();
    EXPECT_EQ(image.at(0, 9) & 0xFFFFFF, 0u);
    EXPECT_NEAR(PixelRed(image.at(0, 10)), 128, 2);
    EXPECT_GT(PixelRed(image.at(0, 11)), 245);
    EXPECT_LT(PixelBlue(image.at(0, 11)), 10);
    EXPECT_EQ(PixelBlue(image.at(0, 39)), 255);
}

TEST(Canvas, FillPaintsAtPixelCentresAndLightAdds) {
    Canvas canvas(10, 1);
    canvas.Fill(RoundRect(0, 0, 10, 1, 0), [](float x, float) { return Rgb{x / 10, 0, 0}; });
    canvas.Light(RoundRect(5, 0, 10, 1, 0), Rgb{0, 1, 0}, 0.5f);
    const Image image = canvas.ToImage();
    EXPECT_NEAR(PixelRed(image.at(0, 0)), 13, 1);  // 0.05 of full scale
    EXPECT_NEAR(PixelRed(image.at(9, 0)), 242, 1);
    EXPECT_EQ(PixelGreen(image.at(2, 0)), 0);
    EXPECT_NEAR(PixelGreen(image.at(7, 0)), 128, 1);
}

TEST(Canvas, ShadeKeepsTheHue) {
    const Rgb darker = Shade(Rgb{0.8f, 0.4f, 0.2f}, -0.5f);
    EXPECT_NEAR(darker.r, 0.4f, 1e-6f);
    EXPECT_NEAR(darker.g, 0.2f, 1e-6f);
    const Rgb lighter = Shade(Rgb{0.8f, 0.4f, 0.2f}, 0.5f);
    EXPECT_NEAR(lighter.r, 0.9f, 1e-6f);
    EXPECT_NEAR(lighter.b, 0.6f, 1e-6f);
}

int drawings = 0;
Image CountedDrawing() {
    ++drawings;
    return Image(2, 2);
}

TEST(DrawnOnce, DrawsOnTheFirstCallOnly) {
    const Image& first = DrawnOnce(CountedDrawing);
    const Image& second = DrawnOnce(CountedDrawing);
    EXPECT_EQ(drawings, 1);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.width, 2);
}

}  // namespace
}  // namespace orvane::demo
